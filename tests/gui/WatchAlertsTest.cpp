#include "MainWindowFixture.h"

#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"

#include <QtTest>

class WatchAlertsTest : public QObject
{
    Q_OBJECT

private:
    static QString tooltip(MainWindowFixture &f, int tab) { return f.window->tabs()->tabBar()->tabToolTip(tab); }
    static void pick(MainWindowFixture &f, const QString &rate)
    {
        f.window->rateBox()->setCurrentText(rate);
        f.window->applyPickedRate();
    }

private slots:
    void headerFollowsThePickedRateAndTheRelease()
    {
        MainWindowFixture f;
        f.watch("1");
        QVERIFY(tooltip(f, 0).startsWith("Reloads every minute; next in "));
        QVERIFY(f.window->tabs()->tabBar()->tabProgress(0));
        QVERIFY(tooltip(f, 1).isEmpty());
        QVERIFY(!f.window->tabs()->tabBar()->tabProgress(1));

        pick(f, "30 Seconds");
        QCOMPARE(tooltip(f, 0), QString("Reloads every 30 seconds; next in 30 s"));
        pick(f, "5 Minutes");
        QCOMPARE(tooltip(f, 0), QString("Reloads with the 5-minute countdown when in front; next in 5 min"));
        pick(f, "No Refresh");
        QCOMPARE(tooltip(f, 0), QString("Not reloading"));
        QVERIFY(!f.window->tabs()->tabBar()->tabProgress(0));

        pick(f, "15 Seconds");
        f.window->releaseTab();
        QVERIFY(tooltip(f, 0).isEmpty());
        QVERIFY(!f.window->tabs()->tabBar()->tabProgress(0));
        QCOMPARE(f.window->tabs()->caption(0), QString("Available"));
    }

    void aStaleTabSaysSoAndADialogOutOfSightMarksIt()
    {
        MainWindowFixture f;
        f.watch("1");
        f.watch("2");
        PageHealth health;
        health.pausedForTyping = true;
        f.view(0)->setHealth(health);
        QVERIFY(tooltip(f, 0).contains("\nPaused while you type into the page"));
        QCOMPARE(f.window->tabs()->tabBar()->tabTone(0), HealthTone::Held);
        QCOMPARE(f.window->tabs()->tabBar()->tabTone(1), HealthTone::Fine);

        f.view(0)->refuseDialog("You have been outbid");
        QVERIFY(f.window->tabs()->isTabMarked(0));
        f.view(1)->refuseDialog("In front: the view shows it");
        QVERIFY(!f.window->tabs()->isTabMarked(1));
    }

    void aTabSaysWhereItsPageIsAndKeepsALongNumberShort()
    {
        MainWindowFixture f;
        const QString number(10000, QChar('9'));
        f.watch(number);
        f.watch("2");
        QCOMPARE(f.window->tabs()->caption(0), "Item " + number);
        QVERIFY(f.window->tabs()->tabBar()->tabText(0).size() <= 24);
        QVERIFY(f.window->tabs()->tabBar()->tabRect(0).width() < f.window->width() / 3);
        QVERIFY(tooltip(f, 0).startsWith("Item " + number + "\nReloads every minute"));

        f.view(1)->showPage("Penny Black", QUrl("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=2"));
        QVERIFY(tooltip(f, 1).endsWith("\nPage: Penny Black\nAddress: http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=2"));
        QVERIFY(!f.window->tabs()->isTabOffSite(1));
        f.view(1)->showPage("Penny Black", QUrl("http://items.test.example.org/item=2"));
        QVERIFY(f.window->tabs()->isTabOffSite(1));
        QVERIFY(tooltip(f, 1).endsWith("\nNot on the auction site: http://items.test.example.org/item=2"));
        // The services tab browses anywhere.
        f.view(5)->showPage("Elsewhere", QUrl("http://example.org/"));
        QVERIFY(!f.window->tabs()->isTabOffSite(5));
        QCOMPARE(tooltip(f, 5), QString("Page: Elsewhere\nAddress: http://example.org/"));
    }

    void onlyWatchViewsOfferAlerts()
    {
        MainWindowFixture f;
        for (int tab = 0; tab < 5; ++tab)
            QVERIFY(f.view(tab)->alertsEnabled);
        QVERIFY(!f.view(5)->alertsEnabled);
    }

    void aChangeAlertsOnceAndMarksTheTabUntilItComesToTheFront()
    {
        MainWindowFixture f;
        f.watch("123");
        f.watch("456");
        f.view(0)->chooseElement("US $41.00");
        f.view(0)->readElement(true, "US $41.00");
        QVERIFY(f.notifier.messages.isEmpty());
        f.view(0)->readElement(true, "US $45.00");
        QCOMPARE(f.notifier.messages, QStringList{"Item 123: 'US $41.00' is now 'US $45.00'"});
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 123"));
        QVERIFY(f.window->tabs()->isTabMarked(0));
        f.view(0)->readElement(true, "US $45.00");
        QCOMPARE(f.notifier.messages.size(), 1);

        f.window->tabs()->setCurrent(0);
        QVERIFY(!f.window->tabs()->isTabMarked(0));
    }

    void stopAlertingAndReleaseEndTheAlert()
    {
        MainWindowFixture f;
        f.watch("1");
        f.watch("2");
        f.view(0)->chooseElement("a");
        f.view(0)->stopAlertingFromMenu();
        f.view(0)->readElement(true, "b");
        f.view(1)->chooseElement("x");
        f.window->tabs()->setCurrent(1);
        f.window->releaseTab();
        QVERIFY(f.view(1)->calls.contains("stopWatchingElement"));
        f.view(1)->readElement(false, QString());
        QVERIFY(f.notifier.messages.isEmpty());
    }
};

QTEST_MAIN(WatchAlertsTest)
#include "WatchAlertsTest.moc"
