#include "MainWindowFixture.h"
#include "OpenWindows.h"

#include "about/frmAbout.h"
#include "platform/PictureBox.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

frmAbout *openBox(MainWindowFixture &f)
{
    f.window->mnuAbout_Click();
    return openWindows<frmAbout>().value(0);
}

} // namespace

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openWindows<frmAbout>()); }

    void showsTitleVersionAndTheHandOverTheLinksOneBoxAtATime()
    {
        MainWindowFixture f;
        QPointer<frmAbout> box = openBox(f);
        QCOMPARE(box->windowTitle(), QString("About Gavrin"));
        QCOMPARE(box->lblTitle->text(), QString("Gavrin"));
        QCOMPARE(box->lblVersion->text(), QString("Version 1.0.0"));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        for (QWidget *link : std::array<QWidget *, 4>{box->picIcon, box->Image1, box->Command1, box->Command2})
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        f.window->mnuAbout_Click();
        QCOMPARE(openWindows<frmAbout>(), QList<frmAbout *>{box.data()});
        box->Command3_Click();
        QTRY_VERIFY(box.isNull());
        QVERIFY(openBox(f));
    }

    void linksOpenTheMakersPagesQuietlyAndSystemInfoStartsTheToolOrSaysItIsUnavailable_data()
    {
        QTest::addColumn<bool>("starts");
        QTest::newRow("started") << true;
        QTest::newRow("nothing starts") << false;
    }
    void linksOpenTheMakersPagesQuietlyAndSystemInfoStartsTheToolOrSaysItIsUnavailable()
    {
        QFETCH(bool, starts);
        MainWindowFixture f;
        f.registry.setText(sysInfoToolKey(), "PATH", "/opt/msinfo");
        f.shell.works = starts;
        frmAbout *box = openBox(f);
        for (QWidget *button : std::array<QWidget *, 5>{box->Command1, box->Command2, box->picIcon, box->Image1,
                                                         box->Command4})
            QTest::mouseClick(button, Qt::LeftButton);

        const QString maker = f.window->site().makerSite;
        QCOMPARE(f.shell.calls, QStringList({"open " + maker + "/Pages/ListBot.html", "open " + maker, "open " + maker,
                                             "opener " + maker, "start /opt/msinfo"}));
        // Only the system information button speaks, and only when the tool did not start.
        QCOMPARE(f.messages.shown.size(), starts ? 0 : 1);
        if (!starts) {
            QCOMPARE(f.messages.shown[0].text, QString("System Information Is Unavailable At This Time"));
            QCOMPARE(f.messages.shown[0].title, QString("Gavrin"));
            QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::None);
        }
        QVERIFY(box->isVisible());
    }

    void aMissingProgramDoesNotStart() { QVERIFY(!QtShell().startProgram("/no/such/folder/msinfo32")); }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
