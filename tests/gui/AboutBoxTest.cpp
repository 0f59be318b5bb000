#include "MainWindowFixture.h"

#include "about/frmAbout.h"
#include "platform/PictureBox.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

QList<frmAbout *> openBoxes()
{
    QList<frmAbout *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<frmAbout *>(window); box && box->isVisible())
            found << box;
    }
    return found;
}

frmAbout *openBox(MainWindowFixture &f)
{
    f.window->mnuAbout_Click();
    return openBoxes().value(0);
}

} // namespace

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openBoxes()); }

    void showsTitleVersionAndTheHandOverTheLinks()
    {
        MainWindowFixture f;
        frmAbout *box = openBox(f);
        QCOMPARE(box->windowTitle(), QString("About Gavrin"));
        QCOMPARE(box->lblTitle->text(), QString("Gavrin"));
        QCOMPARE(box->lblVersion->text(), QString("Version 1.0.0"));
        QVERIFY(box->lblDescription->text().startsWith("Come to the Belvax Web Site for more programs.  Click"));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        for (QWidget *link : std::array<QWidget *, 4>{box->picIcon, box->Image1, box->Command1, box->Command2})
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box->Command3->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(box->Command1->nextInFocusChain(), box->Command2);
        QCOMPARE(box->Command3->nextInFocusChain(), box->Command4);
    }

    void linksOpenTheMakersPagesAndFailQuietly()
    {
        MainWindowFixture f;
        const QString maker = f.window->site().makerSite;
        frmAbout *box = openBox(f);
        QTest::mouseClick(box->Command1, Qt::LeftButton);
        QTest::mouseClick(box->Command2, Qt::LeftButton);
        QTest::mouseClick(box->picIcon, Qt::LeftButton);
        QTest::mouseClick(box->Image1, Qt::LeftButton);
        QCOMPARE(f.shell.opened, QStringList({maker + "/Pages/ListBot.html", maker, maker}));
        QCOMPARE(f.shell.openerStarted, QStringList{maker});

        f.shell.works = false;
        box->Command1_Click();
        box->Image1_Click();
        QVERIFY(f.messages.shown.isEmpty());
        QVERIFY(box->isVisible());
    }

    void systemInfoStartsTheToolOrSaysItIsUnavailable_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<bool>("starts");
        QTest::newRow("started") << true << true;
        QTest::newRow("nothing registered") << false << true;
        QTest::newRow("start fails") << true << false;
    }
    void systemInfoStartsTheToolOrSaysItIsUnavailable()
    {
        QFETCH(bool, registered);
        QFETCH(bool, starts);
        MainWindowFixture f;
        if (registered)
            f.registry.setText(kToolKey, "PATH", "/opt/msinfo");
        f.shell.works = starts;
        frmAbout *box = openBox(f);
        QTest::mouseClick(box->Command4, Qt::LeftButton);

        QCOMPARE(f.shell.started, registered ? QStringList{"/opt/msinfo"} : QStringList());
        QCOMPARE(f.messages.shown.size(), registered && starts ? 0 : 1);
        if (!f.messages.shown.isEmpty()) {
            QCOMPARE(f.messages.shown[0].text, QString("System Information Is Unavailable At This Time"));
            QCOMPARE(f.messages.shown[0].title, QString("Gavrin"));
            QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::None);
        }
        QVERIFY(box->isVisible());
    }

    void aMissingProgramDoesNotStart() { QVERIFY(!QtShell().startProgram("/no/such/folder/msinfo32")); }

    void oneBoxAtATimeUntilClosed()
    {
        MainWindowFixture f;
        QPointer<frmAbout> box = openBox(f);
        f.window->mnuAbout_Click();
        QCOMPARE(openBoxes(), QList<frmAbout *>{box.data()});
        box->Command3_Click();
        QTRY_VERIFY(box.isNull());
        QVERIFY(openBox(f));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
