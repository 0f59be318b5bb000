#include "MainWindowFixture.h"
#include "StandInPushServer.h"

#include "app/AlertPush.h"
#include "app/ConditionDialog.h"
#include "app/core/LocalPages.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/PushSender.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

namespace {

const QString kItem1Page = "http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=1";

IntervalTimer *timer(MainWindowFixture &f, int tab)
{
    return f.watchTab(tab)->reloadTimer();
}

QString tooltip(MainWindowFixture &f, int tab)
{
    f.watchTabs()->showStatus(QDateTime::currentDateTime());
    return f.tabs()->tabBar()->tabToolTip(tab);
}

} // namespace

// The watch tabs: watching and releasing, the refresh rate and the countdown,
// following a page's elements and its auction's end.
class WatchTabsTest : public QObject
{
    Q_OBJECT

private slots:
    // The services tab is never given back.
    void watchFillsTheLowestFreeTabAndReleaseFreesIt()
    {
        MainWindowFixture f({"1", "2"});
        f.tabs()->setCurrent(5);
        f.window->releaseTab();
        QCOMPARE(f.tabs()->caption(5), QString(" Help/Services "));
        // A page that stays when asked to leave keeps its tab; the tab is given back once it is left.
        f.tabs()->setCurrent(0);
        f.window->releaseTab();
        QVERIFY(!timer(f, 0)->isEnabled());
        QCOMPARE(f.view(0)->shown, f.programFilePath(blankPageName()));
        emit f.view(0)->documentComplete();
        QCOMPARE(f.tabs()->caption(0), QString("Item 1"));
        f.watch("9");
        QCOMPARE(f.tabs()->caption(2), QString("Item 9"));
        f.release(0);
        QCOMPARE(f.tabs()->caption(0), QString("Available"));
        f.watch("3");
        QCOMPARE(f.tabs()->caption(0), QString("Item 3"));
        QCOMPARE(f.tabs()->current(), 0);
        QCOMPARE(f.view(0)->shown, QString("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=3"));
        for (const QString item : {"4", "5", "6"})
            f.watch(item);
        QCOMPARE(f.messages.shown, QStringList{"There are no available watch windows left.   "});
    }

    // Each rate: watched at it, then picked from the list once tab 1 is given back.
    void aRateArmsEveryWatchingTabAndNoFreeOne()
    {
        const std::tuple<QString, int, bool> rows[] = {
            {"15 Seconds", 15000, false}, {"5 Minutes", 0, true}, {"No Refresh", 0, false}};
        for (const auto &[rate, period, countdown] : rows) {
            MainWindowFixture f;
            f.window->show();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            ChoiceBox *box = f.rateBox();
            box->setCurrentText(rate);
            for (const QString item : {"a", "b", "c"})
                f.watch(item);
            f.release(1);
            for (bool picked : {false, true}) {
                if (picked) {
                    box->showPopup();
                    box->view()->setCurrentIndex(box->model()->index(box->findText(rate), 0));
                    QTest::keyClick(box->view(), Qt::Key_Return);
                }
                for (int tab : {0, 2}) {
                    QCOMPARE(timer(f, tab)->interval(), period);
                    QCOMPARE(timer(f, tab)->isRunning(), period > 0);
                }
                for (int tab : {1, 3, 4})
                    QVERIFY(!timer(f, tab)->isEnabled());
                QCOMPARE(widgetNamed<IntervalTimer>(f.window.get(), "fiveMinuteCountdown")->isRunning(), countdown);
            }
            // Tabs armed together do not reload together.
            if (period > 0)
                QVERIFY(timer(f, 0)->remainingTime() <= period / 2 && timer(f, 2)->remainingTime() > period / 2);
        }
    }

    // A text that is no rate gives way to the rate in force, which is what is kept; a tab that will
    // not reload says so on its header, in its colour and in the overview alike.
    void aTypedTextThatIsNoRateGivesWayToTheRateInForceAndATabNotReloadingSaysSo()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        ChoiceBox *box = f.rateBox();
        box->setCurrentText("30 Seconds");
        f.watch("1");
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), "5 Seconds");
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(box->currentText(), QString("30 Seconds"));
        QVERIFY(box->toolTip().endsWith("\n'5 Seconds' is no rate: the rate stays 30 Seconds"));
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), "9 Seconds");
        f.itemBox()->setFocus();
        QCOMPARE(box->currentText(), QString("30 Seconds"));
        box->setCurrentText("7 Seconds");
        f.watch("2");
        QCOMPARE(box->currentText(), QString("30 Seconds"));
        QCOMPARE(timer(f, 1)->interval(), 30000);
        QVERIFY(tooltip(f, 1).startsWith("Reloads every 30 seconds"));

        box->setCurrentText("No Refresh");
        f.window->applyPickedRate();
        QCOMPARE(box->toolTip(), QString("Choose page refresh rate"));
        QVERIFY(tooltip(f, 1).startsWith("Not reloading"));
        QCOMPARE(f.tabs()->tabBar()->tabTone(1), HealthTone::Held);
        QCOMPARE(f.watchTabs()->summaries(QDateTime::currentDateTime())[1].status, QString("not reloading"));
        box->setCurrentText("5 Seconds");
        f.window->close();
        QCOMPARE(f.settings.rate, QString("No Refresh"));
    }

    // Five tabs at one rate: each wait for a timed reload, the first too, is the period give or take 10 %.
    void timedReloadsWaitTheirPeriodSpreadSoTabsNeverFallIntoStep()
    {
        MainWindowFixture f;
        f.rateBox()->setCurrentText("15 Seconds");
        for (const QString item : {"1", "2", "3", "4", "5"})
            f.watch(item);
        QSet<int> waits;
        for (int round = 0; round < 5; ++round) {
            for (int tab = 0; tab < kWatchTabCount; ++tab) {
                if (round > 0)
                    emit timer(f, tab)->timeout();
                const int left = timer(f, tab)->remainingTime();
                QVERIFY2(left >= 13400 && left <= 16500, qPrintable(QString::number(left)));
                waits << left / 100;
            }
        }
        QVERIFY(waits.size() > 5);
        QCOMPARE(f.view(4)->calls.filter("reloadOnTimer 15000").size(), 4);
    }

    // A timed reload, by the tab's timer or the countdown, of a page that answers a form loads the
    // item's page instead; the user's refresh sends the form again only when they say so.
    void aFormIsNeverSentAgainUnasked()
    {
        MainWindowFixture f({"1"});
        f.window->reloadTab();
        QCOMPARE(f.view(0)->calls.last(), QString("reload"));
        f.view(0)->formAnswer = true;
        emit timer(f, 0)->timeout();
        f.rateBox()->setCurrentText("5 Minutes");
        f.window->applyPickedRate();
        for (int second = 0; second < 299; ++second)
            f.watchTabs()->tickCountdown();
        QCOMPARE(f.view(0)->calls.last(), "reloadOnTimer 60000 " + kItem1Page);
        f.watchTabs()->tickCountdown();
        QCOMPARE(tooltip(f, 0), QString("Reloads with the 5-minute countdown when in front; next in 5 min"));
        QCOMPARE(f.view(0)->calls.last(), "reloadOnTimer 300000 " + kItem1Page);

        f.window->reloadTab();
        QCOMPARE(f.messages.asked.size(), 1);
        QCOMPARE(f.messages.asked[0], QString("This page was sent by a form. Send it again?"));
        QVERIFY(f.view(0)->calls.last().startsWith("reloadOnTimer"));
        f.messages.answer = true;
        f.window->reloadTab();
        QCOMPARE(f.view(0)->calls.last(), QString("resendForm"));
    }

    // A tab whose page does not update, or is not the item's, says so on its header; one whose page
    // kept crashing also tells the user, once.
    void aStaleOrStrayTabSaysSo()
    {
        MainWindowFixture f({"1", "2"});
        f.view(0)->pageHealth.pausedForTyping = true;
        emit f.view(0)->healthChanged();
        QVERIFY(tooltip(f, 0).contains("\nPaused while you type into the page"));
        QCOMPARE(f.tabs()->tabBar()->tabTone(0), HealthTone::Held);

        f.view(1)->showPage("Penny Black", QUrl("http://items.test.example.org/item=2"));
        QVERIFY(f.tabs()->isTabOffSite(1));
        QVERIFY(tooltip(f, 1).endsWith("\nNot on the auction site: http://items.test.example.org/item=2"));

        f.view(1)->pageHealth.stoppedAfterCrashes = true;
        emit f.view(1)->healthChanged();
        emit f.view(1)->healthChanged();
        QVERIFY(tooltip(f, 1).startsWith("Not reloading\nStopped: the page crashed 3 times in a row"));
        QCOMPARE(f.tabs()->tabBar()->tabTone(1), HealthTone::Failing);
        QCOMPARE(f.notifier.messages, QStringList{"Penny Black: stopped, the page crashed 3 times in a row"});
    }

    // A site down, or an item page sent to the sign-in page, is said on the
    // tab's header and told once; the sign-in page is no change of the item.
    void anOutageOrASignOutIsToldOnceAndIsNoChange()
    {
        MainWindowFixture f({"1", "2"});
        FakeBrowserView *view = f.view(0);
        WatchTab *tab = f.watchTab(0);
        const QDateTime now = QDateTime::currentDateTime();
        view->pageHealth.lastDrawn = now;
        view->pageHealth.loadError = "connection refused";
        QVERIFY(tooltip(f, 0).contains("\nNot updated since " + now.toString("HH:mm") + " (connection refused)"));
        QCOMPARE(f.tabs()->tabBar()->tabTone(0), HealthTone::Failing);
        // Three periods of a minute undrawn, then drawn again.
        for (int second : {181, 182})
            tab->showStatus(false, kCountdownStartS, now.addSecs(second));
        QCOMPARE(f.notifier.messages,
                 QStringList{"Item 1: not updated since " + now.toString("HH:mm") + " (connection refused)"});
        view->pageHealth = {};
        view->pageHealth.lastDrawn = now.addSecs(185);
        for (int second : {186, 187})
            tab->showStatus(false, kCountdownStartS, now.addSecs(second));
        // Told within 10 s of the last one, it waits for the tab's quiet to be over.
        QCOMPARE(f.notifier.messages.size(), 1);
        QVERIFY(tab->notices()->quietTimer()->isActive());
        tab->notices()->tellHeld();
        QCOMPARE(f.notifier.messages.size(), 2);
        QCOMPARE(f.notifier.messages.last(), QString("Item 1: updated again"));
        f.notifier.messages.clear();

        FakeBrowserView *other = f.view(1);
        const QUrl itemPage("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=2");
        other->showPage("Penny Black", itemPage);
        f.elements(1)->choose(kAlertEntry, "#price", "US $180.00");
        for (int load = 0; load < 2; ++load) {
            other->showPage("Sign in", QUrl("http://signin.ebay.com/aw-cgi/eBayISAPI.dll?MyEbayLogin&ru=item2"));
            emit other->documentComplete();
            f.elements(1)->load({{"#price", QString()}});
        }
        QCOMPARE(f.notifier.messages, QStringList{"Item 2: Signed out: sign in on the services tab"});
        QVERIFY(tooltip(f, 1).startsWith("Signed out: sign in on the services tab\n"));
        QCOMPARE(f.tabs()->tabBar()->tabText(1), QString("Item 2 \u00b7 Signed out"));
        // A timed reload asks for the item's page again, which comes back once the user has signed in.
        emit timer(f, 1)->timeout();
        QCOMPARE(other->calls.last(), "open " + itemPage.toString());
        other->showPage("Penny Black", itemPage);
        emit other->documentComplete();
        f.elements(1)->load({{"#price", "US $180.00"}});
        QVERIFY(!tooltip(f, 1).contains("Signed out"));
        QCOMPARE(f.notifier.messages.size(), 1);
    }

    // A tick far later than planned: the machine slept. Every watched tab
    // reloads within seconds, its end phase planned again from the clock.
    void aTickFarLaterThanPlannedWakesTheWatchedTabs()
    {
        MainWindowFixture f({"1", "2", "3"});
        const QDateTime now = QDateTime::currentDateTime();
        f.elements(1)->choose(kTimeLeftEntry, "#left", "12m 0s");
        f.elements(2)->choose(kTimeLeftEntry, "#left", now.toUTC().addSecs(20).toString("yyyy-MM-dd'T'HH:mm:ss'Z'"));
        // Typed text holds a reload ten seconds only in the auction's last ten minutes.
        for (int tab : {1, 2})
            f.watchTab(tab)->reloadOnTimer(60000);
        QCOMPARE(f.view(1)->lastTimedReload.typingHoldMs, 120000);
        QCOMPARE(f.view(2)->lastTimedReload.typingHoldMs, 10000);

        f.watchTabs()->tickStatus(now);
        f.watchTabs()->tickStatus(now.addMSecs(600));
        QVERIFY(timer(f, 0)->remainingTime() > 50000);
        f.watchTabs()->tickStatus(now.addSecs(600));
        QCOMPARE(timer(f, 0)->remainingTime(), 0);
        QVERIFY(timer(f, 1)->remainingTime() <= 1000);
        QCOMPARE(timer(f, 1)->interval(), 10000);
        QVERIFY(f.notifier.messages.last().startsWith("Item 2: ending soon, "));
        // Ended while asleep: reloaded at once, once more after the end.
        QCOMPARE(timer(f, 2)->remainingTime(), 0);
        QTRY_COMPARE(f.view(2)->calls.filter("reloadOnTimer").size(), 2);
        // At "5 Minutes" the countdown's next tick reloads the tab in front and starts over.
        f.rateBox()->setCurrentText("5 Minutes");
        f.window->applyPickedRate();
        f.tabs()->setCurrent(0);
        f.watchTabs()->tickStatus(now.addSecs(1200));
        f.watchTabs()->tickCountdown();
        QCOMPARE(tooltip(f, 0), QString("Reloads with the 5-minute countdown when in front; next in 5 min"));
        QVERIFY(f.view(0)->calls.last().startsWith("reloadOnTimer 300000"));
    }

    void nearItsEndATabReloadsFasterThenOnceMoreAfterItAndEnds()
    {
        MainWindowFixture f({"1", "2"});
        FakeBrowserView *view = f.view(0);
        view->showPage("Penny Black", QUrl(kItem1Page));
        FakePageElements *elements = f.elements(0);
        elements->choose(kAlertEntry, "#price", "US $180.00");
        elements->choose(kTimeLeftEntry, "#left", "Time left: soon");
        QVERIFY(
            tooltip(f, 0).startsWith("\"soon\" is neither a time left nor an end date and time\nReloads every minute"));
        // Shortened from an hour to 20 minutes: the tab goes by the new end and says so.
        elements->load({{"#left", "1h 0m"}});
        elements->load({{"#left", "20m 5s"}});
        QVERIFY(tooltip(f, 0).contains("\nEnd moved from "));
        QCOMPARE(timer(f, 0)->interval(), 60000);
        f.menuEntry("&30 Minutes")->trigger();
        QCOMPARE(timer(f, 0)->interval(), 10000);
        QCOMPARE(f.notifier.messages, QStringList{"Penny Black: ending soon, 20m 5s left"});

        // An end a second ago: one more reload two seconds after it, then none, by no timer,
        // even before the page loaded then is read.
        const QDateTime end = QDateTime::currentDateTimeUtc().addSecs(-1);
        elements->load({{"#left", end.toString("yyyy-MM-dd'T'HH:mm:ss'Z'")}});
        QTRY_COMPARE_WITH_TIMEOUT(view->calls.filter("reloadOnTimer").size(), 1, 3000);
        QVERIFY(!timer(f, 0)->isEnabled());
        // The time left is read first here, yet the final value is this load's.
        elements->load({{"#price", "US $185.00"}, {"#left", "Bidding has ended"}});
        QVERIFY(!timer(f, 0)->isEnabled());
        QVERIFY(tooltip(f, 0).startsWith("Ended: US $185.00\nChanges: US $180.00 at "));
        QCOMPARE(f.tabs()->tabBar()->tabText(0), QString("Item 1 \u00b7 Ended: US $185.00"));
        for (const QString rate : {"15 Seconds", "5 Minutes"}) {
            f.rateBox()->setCurrentText(rate);
            f.window->applyPickedRate();
            QVERIFY(!timer(f, 0)->isEnabled());
        }
        for (int second = 0; second < 300; ++second)
            f.watchTabs()->tickCountdown();
        QCOMPARE(view->calls.filter("reloadOnTimer").size(), 1);
        // Ending soon is told once; the end, with the price's change, once the tab's 10 s of quiet are over.
        QCOMPARE(f.notifier.messages.size(), 1);
        QVERIFY(f.watchTab(0)->notices()->quietTimer()->isActive());
        f.watchTab(0)->notices()->tellHeld();
        QCOMPARE(f.notifier.messages.last(),
                 QString("Penny Black: ended, final value US $185.00; "
                         "'US $180.00' is now 'US $185.00'"));
    }

    void eachFollowedElementIsReportedOnceAndAClickOnItShowsItsTab()
    {
        MainWindowFixture f({"1", "2"});
        f.tabs()->setCurrent(0);
        FakeBrowserView *view = f.view(1);
        view->showPage("Penny Black", QUrl("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=2"));
        FakePageElements *elements = f.elements(1);
        QCOMPARE(elements->menuEntries, QStringList({kAlertEntry, kTimeLeftEntry, kConditionEntry, kLeadEntry}));
        elements->choose(kAlertEntry, "#price", "US $180.00");
        elements->choose(kAlertEntry, "#bids", "3 bids");
        elements->choose(kAlertEntry, "#bids", "3 bids"); // followed already
        for (int reload = 0; reload < 2; ++reload)
            elements->load({{"#price", "US $185.00"}, {"#bids", "4 bids"}});
        QCOMPARE(f.notifier.messages,
                 QStringList({"Penny Black: 'US $180.00' is now 'US $185.00'; "
                              "'3 bids' is now '4 bids'"}));
        QCOMPARE(f.notifier.tags, QList<int>({1}));
        QVERIFY(f.tabs()->isTabMarked(1));
        // Within 10 s of it, what comes is held and told together after them.
        elements->load({{"#price", "US $190.00"}, {"#bids", "4 bids"}});
        QCOMPARE(f.notifier.messages.size(), 1);
        QVERIFY(f.watchTab(1)->notices()->quietTimer()->remainingTime() > 9000);
        f.watchTab(1)->notices()->tellHeld();
        QCOMPARE(f.notifier.messages.last(), QString("Penny Black: 'US $185.00' is now 'US $190.00'"));

        f.window->showMinimized();
        f.notifier.click(1);
        QCOMPARE(f.tabs()->current(), 1);
        QVERIFY(f.window->isVisible() && !f.window->isMinimized());

        // Stop alerting on the price stops the price alone; elsewhere on the page, every element.
        elements->choose(kStopEntry, "#price", "US $190.00");
        elements->load({{"#price", "US $195.00"}, {"#bids", "5 bids"}});
        f.watchTab(1)->notices()->tellHeld();
        QCOMPARE(f.notifier.messages.last(), QString("Penny Black: '4 bids' is now '5 bids'"));
        elements->choose(kStopEntry, "#title", "Penny Black");
        QVERIFY(elements->selectors.isEmpty());
        QCOMPARE(elements->menuEntries, QStringList({kAlertEntry, kTimeLeftEntry, kConditionEntry, kLeadEntry}));
    }

    // A price passing a limit is told once, not at every reload while it stays above; losing the
    // lead is told at once, quiet or not, shown on the tab and the overview, and pushed.
    void aLimitPassedIsToldOnceAndOutbidAfterLeadingAtOnceAndPushed()
    {
        MainWindowFixture f({"1", "2"});
        StandInPushServer server;
        f.watchTabs()->push()->setSettings({PushSettings::Kind::Topic, server.address("/t"), {}, {"outbid"}, true});
        FakeBrowserView *view = f.view(0);
        view->showPage("Penny Black", QUrl(kItem1Page));
        FakePageElements *elements = f.elements(0);
        elements->choose(kConditionEntry, "#price", "US $950.00");
        ConditionDialog *dialog = openWindows<ConditionDialog>().value(0);
        QVERIFY(dialog);
        widgetNamed<QComboBox>(dialog, "conditionKind")->setCurrentText("Goes above");
        widgetNamed<QLineEdit>(dialog, "conditionNumber")->setText("1,000");
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        for (const QString price : {"US $990.00", "US $1,050.00", "US $1,100.00", "No bids", "US $1,200.00"}) {
            elements->load({{"#price", price}});
            f.watchTab(0)->notices()->tellHeld();
            QCOMPARE(tooltip(f, 0).contains("'No bids' cannot be read as a number (above 1000)"), price == "No bids");
        }
        QCOMPARE(f.notifier.messages, QStringList{"Penny Black: 'US $990.00' is now 'US $1,050.00'"});

        f.settings.leadingTexts["items.test"] = "highest bidder";
        elements->choose(kLeadEntry, "#status", "You're the highest bidder");
        auto *ask = openWindows<QInputDialog>().value(0);
        QVERIFY(ask);
        QCOMPARE(ask->textValue(), QString("highest bidder"));
        ask->setTextValue("Highest  Bidder");
        ask->accept();
        QCOMPARE(f.settings.leadingTexts["items.test"], QString("Highest Bidder"));
        elements->load({{"#price", "US $1,200.00"}, {"#status", "You're the highest bidder"}});
        f.watchTabs()->showStatus(QDateTime::currentDateTime());
        QCOMPARE(f.tabs()->tabBar()->tabText(0), QString("Item 1 \u00b7 Leading"));
        elements->load({{"#price", "US $1,250.00"}, {"#status", "You've been outbid"}});
        elements->load({{"#price", "US $1,300.00"}, {"#status", "You've been outbid"}});
        QCOMPARE(f.notifier.messages.size(), 2);
        QCOMPARE(f.notifier.messages.last(), QString("Penny Black: outbid, US $1,250.00"));
        QCOMPARE(f.notifier.tags.last(), 0);
        QCOMPARE(f.watchTabs()->summaries(QDateTime::currentDateTime())[0].lead, LeadState::Outbid);
        QTRY_COMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests[0].body, QByteArray("Outbid\nUS $1,250.00"));
        QCOMPARE(server.requests[0].header("Title"), QByteArray("Penny Black"));
        // A push given up is shown on its tab.
        PushMessage failed;
        failed.tag = 0;
        emit f.watchTabs()->push()->sender()->failed(failed, "HTTP 503");
        QVERIFY(
            tooltip(f, 0).contains(QRegularExpression("A push to the phone failed at \\d\\d:\\d\\d \\(HTTP 503\\)")));

        const WatchedItem kept = f.watchTab(0)->keptItem();
        QCOMPARE(kept.conditions.value(0), (AlertCondition{AlertCondition::Kind::Above, 1000}));
        QCOMPARE(kept.leadElement, 1);
        QCOMPARE(kept.leadingText, QString("Highest Bidder"));
        // Restored as at the next start, both go on from the first reading, the lead from where it was.
        f.watchTab(1)->restore(kept);
        QCOMPARE(f.watchTabs()->summaries(QDateTime::currentDateTime())[1].lead, LeadState::Outbid);
        f.elements(1)->load({{"#price", "US $900.00"}, {"#status", "You're the highest bidder"}});
        f.elements(1)->load({{"#price", "US $1,001.00"}, {"#status", "High bidder x***y"}});
        QCOMPARE(f.notifier.messages.mid(2),
                 QStringList({"Item 2: outbid, US $1,001.00", "Item 2: 'US $900.00' is now 'US $1,001.00'"}));
    }

    // Out of sight, a page rests from the moment its load is read until just before its next reload.
    void aHiddenPageRestsBetweenItsReloadsOnceItsLoadIsRead()
    {
        MainWindowFixture f;
        f.rateBox()->setCurrentText("15 Seconds");
        f.watch("1");
        f.watch("2");
        const auto freezes = [&f](int tab) { return f.view(tab)->calls.filter("freeze "); };
        f.view(1)->finishLoad();
        QCOMPARE(freezes(1).size(), 0);
        f.view(0)->finishLoad();
        QCOMPARE(freezes(0).size(), 1);
        QVERIFY(qAbs(freezes(0)[0].mid(7).toInt() - (timer(f, 0)->remainingTime() - 3000)) < 100);

        // A page with a followed element rests once it is read, not before: the read needs the page.
        f.elements(0)->choose("Alert me when this changes", "#price", "US $1.00");
        f.view(0)->finishLoad();
        QCOMPARE(freezes(0).size(), 1);
        f.elements(0)->load({{"#price", "US $2.00"}});
        QCOMPARE(freezes(0).size(), 2);
        QVERIFY(f.tabs()->isTabMarked(0));
        // In its auction's last ten minutes it stays awake.
        f.elements(0)->choose("This shows the time left", "#left", "9m 50s");
        f.elements(0)->load({{"#price", "US $2.00"}, {"#left", "9m 40s"}});
        QCOMPARE(freezes(0).size(), 2);
    }
};

QTEST_MAIN(WatchTabsTest)
#include "WatchTabsTest.moc"
