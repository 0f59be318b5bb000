#include "MainWindowFixture.h"

#include "app/core/LocalPages.h"
#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

class StartupShutdownTest : public QObject
{
    Q_OBJECT

private slots:
    void startupLoadsTheThreePagesAndFocusesTheItemBox()
    {
        MainWindowFixture f;
        f.window->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.view(0)->calls, QStringList{"Navigate " + f.pagePath(splashPageName())});
        for (int i = 1; i < 5; ++i)
            QCOMPARE(f.view(i)->calls, QStringList{"Navigate " + f.pagePath(blankPageName())});
        QCOMPARE(f.view(5)->calls, QStringList{"Navigate " + f.pagePath(helpPageName())});
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.window->txtItem));
        QCOMPARE(f.window->SSTab1->Tab(), 0);
        QCOMPARE(f.window->windowState(), Qt::WindowNoState);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(f.window->SSTab1->TabCaption(i), QString("Available"));
            QVERIFY(!f.window->tabTimer(i)->isEnabled());
        }
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString(" Help/Services "));
    }

    void storedStateIsRestored()
    {
        MainWindowFixture f;
        f.settings.stored = "2";
        f.window->Form_Load();
        QVERIFY(f.window->windowState() & Qt::WindowMaximized);
    }

    void damagedStoredStateStillRunsTheWholeStartup_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("seven") << "7";
        QTest::newRow("not a number") << "abc";
    }
    void damagedStoredStateStillRunsTheWholeStartup()
    {
        QFETCH(QString, stored);
        MainWindowFixture f;
        f.settings.stored = stored;
        f.window->Form_Load();
        QCOMPARE(f.window->windowState(), Qt::WindowNoState);
        QCOMPARE(f.view(0)->calls, QStringList{"Navigate " + f.pagePath(splashPageName())});
        QCOMPARE(f.view(5)->calls, QStringList{"Navigate " + f.pagePath(helpPageName())});
        QCOMPARE(f.settings.stored, stored);

        f.window->close();
        QCOMPARE(f.settings.stored, QString("0"));
    }

    void closingStopsTheTimersStoresTheStateAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("close box") << 0;
        QTest::newRow("Close program button") << 1;
        QTest::newRow("Close Program menu") << 2;
    }
    void closingStopsTheTimersStoresTheStateAndEndsTheProgram()
    {
        QFETCH(int, how);
        MainWindowFixture f;
        f.window->Form_Load();
        f.window->cmbRefresh->setCurrentText("5 Minutes");
        f.watch("1");
        f.window->cmbRefresh->setCurrentText("30 Seconds");
        f.watch("2");
        f.window->showMaximized();
        QSignalSpy ended(f.window.get(), &frmMain::programEnded);

        if (how == 0)
            f.window->close();
        else if (how == 1)
            f.window->Command7_Click();
        else
            f.window->mnuClose_Click();

        QCOMPARE(ended.size(), 1);
        QCOMPARE(f.settings.stored, QString("2"));
        QVERIFY(!f.window->Timer6->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!f.window->tabTimer(i)->isEnabled());
    }
};

QTEST_MAIN(StartupShutdownTest)
#include "StartupShutdownTest.moc"
