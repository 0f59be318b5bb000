#include "MainWindowFixture.h"
#include "OpenWindows.h"

#include "about/AboutDialog.h"
#include "platform/PictureBox.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

AboutDialog *openBox(MainWindowFixture &f)
{
    f.window->showAbout();
    return openWindows<AboutDialog>().value(0);
}

} // namespace

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openWindows<AboutDialog>()); }

    void showsTitleVersionAndTheHandOverTheLinksOneBoxAtATime()
    {
        MainWindowFixture f;
        QPointer<AboutDialog> box = openBox(f);
        QCOMPARE(box->windowTitle(), QString("About Gavrin"));
        QCOMPARE(box->titleLabel->text(), QString("Gavrin"));
        QCOMPARE(box->versionLabel->text(), QString("Version 1.0.0"));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        for (QWidget *link : std::array<QWidget *, 4>{box->iconPicture, box->cornerPicture, box->mailingListButton, box->makerButton})
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        f.window->showAbout();
        QCOMPARE(openWindows<AboutDialog>(), QList<AboutDialog *>{box.data()});
        box->closeButton->click();
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
        AboutDialog *box = openBox(f);
        for (QWidget *button : std::array<QWidget *, 5>{box->mailingListButton, box->makerButton, box->iconPicture, box->cornerPicture,
                                                         box->systemInfoButton})
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
