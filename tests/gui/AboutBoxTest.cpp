#include "MainWindowFixture.h"

#include "about/AboutDialog.h"

#include <QPushButton>
#include <QtTest>

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    // One box at a time; its links go to the desktop quietly, and the system
    // information button speaks only when the tool did not start.
    void oneBoxAtATimeWhoseLinksOpenTheMakersPages()
    {
        MainWindowFixture f;
        f.registry.setValue(sysInfoToolKey(), "PATH", Registry::TextType, QByteArray("/opt/msinfo", 12));
        f.window->showAbout();
        f.window->showAbout();
        QCOMPARE(openWindows<AboutDialog>().size(), 1);
        AboutDialog *box = openWindows<AboutDialog>()[0];
        for (bool starts : {true, false}) {
            f.shell.works = starts;
            for (QPushButton *button : {box->mailingListButton, box->makerButton, box->systemInfoButton})
                QTest::mouseClick(button, Qt::LeftButton);
        }
        const QString maker = f.window->site().makerSite;
        const QStringList clicks = {"open " + maker + "/Pages/ListBot.html", "open " + maker, "start /opt/msinfo"};
        QCOMPARE(f.shell.calls, clicks + clicks);
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown[0], QString("System Information Is Unavailable At This Time"));
        QVERIFY(!QtShell().startProgram("/no/such/folder/msinfo32"));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
