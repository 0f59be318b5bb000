#include "MainWindowFixture.h"

#include "app/WatchedItemsWindow.h"
#include "app/core/LocalPages.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"

#include <QtTest>

class StartupShutdownTest : public QObject
{
    Q_OBJECT

private slots:
    // A damaged stored state opens the window normally; it is replaced at the next shutdown only.
    void startupRestoresTheStateLoadsTheStartPagesAndTellsIgnoredKeys()
    {
        MainWindowFixture f(
            [](MainWindowServices &services) { services.ignoredSiteKeys = {"ItemServer=x:0: no port"}; });
        f.settings.stored = "abc";
        f.window->start();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.window->windowState(), Qt::WindowNoState);
        QCOMPARE(f.view(0)->calls, QStringList{"open " + f.programFilePath(splashPageName())});
        for (int i = 1; i < 5; ++i)
            QCOMPARE(f.view(i)->calls, QStringList{"open " + f.programFilePath(blankPageName())});
        QCOMPARE(f.view(kServicesTab)->calls, QStringList{"open " + f.programFilePath(helpPageName())});
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.itemBox()));
        QCOMPARE(f.settings.stored, QString("abc"));
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown[0].startsWith("gavrin.ini"));
        QVERIFY(f.messages.shown[0].endsWith("\nItemServer=x:0: no port"));
    }

    // Installed, the pages come from the install's share/gavrin.
    void anInstalledWindowOpensThePagesOfItsInstall()
    {
        QTemporaryDir install;
        QVERIFY(QDir(install.path()).mkpath("bin") && QDir(install.path()).mkpath("share/gavrin"));
        MainWindowFixture f([&install](MainWindowServices &services) { services.programFolder = install.filePath("bin"); });
        f.window->start();
        const QString pages = QFileInfo(install.filePath("share/gavrin")).canonicalFilePath();
        QCOMPARE(f.view(0)->calls, QStringList{"open " + programFilePath(pages, splashPageName())});
        QCOMPARE(f.view(kServicesTab)->calls, QStringList{"open " + programFilePath(pages, helpPageName())});
    }

    // Closing stops every timer and stores the window's state, its normal size and the watched
    // items; the program ends once. The next start brings them back, the items unless turned off.
    void whatClosingStoresComesBackAtTheNextStart()
    {
        MemorySettingsStore kept;
        const auto useKept = [&kept](MainWindowServices &services) { services.settings = &kept; };
        {
            MainWindowFixture f(useKept);
            f.window->start();
            f.window->resize(700, 500);
            f.rateBox()->setCurrentText("5 Minutes");
            f.watch("1");
            f.rateBox()->setCurrentText("30 Seconds");
            f.watch("2");
            f.rateBox()->setCurrentText("5 Minutes");
            f.watch("3");
            f.elements(1)->choose(kAlertEntry, "#price", "US $40.00");
            f.elements(1)->choose(kTimeLeftEntry, "#left", QString());
            f.release(0);
            f.menuEntry("&Reopen Watched Items at Start")->trigger();
            QVERIFY(!kept.reopens);
            f.window->showMaximized();
            QSignalSpy ended(f.window.get(), &MainWindow::programEnded);
            f.menuEntry("&Close Program")->trigger();
            f.window->close();
            QCOMPARE(ended.size(), 1);
            QVERIFY(!widgetNamed<IntervalTimer>(f.window.get(), "fiveMinuteCountdown")->isEnabled());
            QVERIFY(!f.watchTab(1)->reloadTimer()->isEnabled());
        }
        QCOMPARE(kept.stored, QString("2"));
        QCOMPARE(kept.geometry.size(), QSize(700, 500));
        for (bool reopens : {true, false}) {
            kept.reopens = reopens;
            MainWindowFixture f(useKept);
            f.window->start();
            QVERIFY(f.window->isMaximized());
            QCOMPARE(f.window->normalGeometry().size(), QSize(700, 500));
            QVERIFY(f.messages.shown.isEmpty());
            QCOMPARE(f.tabs()->caption(0), QString("Available"));
            QCOMPARE(f.tabs()->caption(1), reopens ? QString("Item 2") : QString("Available"));
            QCOMPARE(f.watchTab(1)->reloadTimer()->interval(), reopens ? 30000 : 0);
            // Item 3 was watched at "5 Minutes": it reloads by the countdown, which comes back with the rate.
            QCOMPARE(f.tabs()->caption(2), reopens ? QString("Item 3") : QString("Available"));
            QCOMPARE(widgetNamed<IntervalTimer>(f.window.get(), "fiveMinuteCountdown")->isEnabled(), reopens);
            QCOMPARE(f.elements(1)->selectors.values(), reopens ? QStringList({"#left", "#price"}) : QStringList());
            if (!reopens)
                continue;
            // The price followed again starts from its first reading: only a change after it alerts.
            f.elements(1)->load({{"#price", "US $41.00"}, {"#left", QString()}});
            QVERIFY(f.notifier.messages.isEmpty());
            f.elements(1)->load({{"#price", "US $45.00"}, {"#left", QString()}});
            QCOMPARE(f.notifier.messages.size(), 1);
        }
    }

    // It ended before the program was closed: it comes back ended, its page loaded once and no more.
    void anEndedItemComesBackEndedWithItsFinalValueAndHistory()
    {
        MemorySettingsStore kept;
        const auto useKept = [&kept](MainWindowServices &services) { services.settings = &kept; };
        const QString ended = "Item 1 \u00b7 Ended: US $740.00";
        {
            MainWindowFixture f(useKept);
            f.window->start();
            f.watch("1");
            f.elements(0)->choose(kAlertEntry, "#price", "US $700.00");
            f.elements(0)->choose(kTimeLeftEntry, "#left", QString());
            const QDateTime end = QDateTime::currentDateTimeUtc().addSecs(-3);
            f.elements(0)->load({{"#price", "US $740.00"}, {"#left", end.toString("yyyy-MM-dd'T'HH:mm:ss'Z'")}});
            // It had ended before the tab knew its end: no news.
            QCOMPARE(f.notifier.messages, QStringList{"Item 1: 'US $700.00' is now 'US $740.00'"});
            QVERIFY(!f.watchTab(0)->notices()->quietTimer()->isActive());
            f.window->close();
        }
        MainWindowFixture f(useKept);
        f.window->start();
        f.watchTabs()->showStatus(QDateTime::currentDateTime());
        QCOMPARE(f.tabs()->tabBar()->tabText(0), ended);
        QVERIFY(f.tabs()->tabBar()->tabToolTip(0).startsWith("Ended: US $740.00\nChanges: US $700.00 at "));
        // The page loaded at the start confirms the end and its final value.
        f.elements(0)->load({{"#price", "US $745.00"}, {"#left", "Ended"}});
        f.watchTabs()->showStatus(QDateTime::currentDateTime());
        QCOMPARE(f.tabs()->tabBar()->tabText(0), QString("Item 1 \u00b7 Ended: US $745.00"));
        QCOMPARE(f.watchTabs()->summaries(QDateTime::currentDateTime())[0].status, QString("ended"));
        QVERIFY(!f.watchTab(0)->reloadTimer()->isEnabled());
        QVERIFY(f.view(0)->calls.filter("reloadOnTimer").isEmpty());
        QCOMPARE(f.view(0)->calls.last(), QString("open http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=1"));
        // A page that shows an end still to come is watched again.
        f.elements(0)->load({{"#left", "2h 5m"}});
        QVERIFY(f.watchTab(0)->reloadTimer()->isRunning());
    }

    // Closed on a bigger screen, or at a smaller scale: the window opens wholly on this one, and the
    // overview opens where it was last closed, as far as the screen allows.
    void everyWindowOpensWhollyOnTheScreenAndTheOverviewKeepsItsPlace()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        MainWindowFixture f;
        f.settings.geometry = QRect(screen.right() - 100, 50, screen.width() * 3 / 2, screen.height() * 3 / 2);
        f.window->start();
        QVERIFY(screen.contains(f.window->frameGeometry()));
        for (const QRect &kept :
             {QRect(30, 40, 500, 200), QRect(screen.right() - 100, screen.bottom() - 50, 500, 200)}) {
            f.settings.overviewGeometry = kept;
            f.window->showWatchedItems();
            QPointer<QWidget> overview = openWindows<WatchedItemsWindow>()[0];
            QVERIFY(screen.contains(overview->frameGeometry()));
            QCOMPARE(overview->size(), kept.size());
            const QRect placed(overview->x() - 10, overview->y() + 10, 600, 300);
            overview->setGeometry(placed);
            overview->close();
            QCOMPARE(f.settings.overviewGeometry, placed);
            QTRY_VERIFY(!overview);
        }
    }
};

QTEST_MAIN(StartupShutdownTest)
#include "StartupShutdownTest.moc"
