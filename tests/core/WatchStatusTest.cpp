#include "app/core/AlertCondition.h"
#include "app/core/ChangeHistory.h"
#include "app/core/ElementWatch.h"
#include "app/core/Lead.h"
#include "app/core/NumberReading.h"
#include "app/core/Outage.h"
#include "app/core/ReloadStatus.h"
#include "app/core/TabFreeze.h"
#include "app/core/TabNotice.h"
#include "app/core/WatchedItems.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(14, 0), Qt::LocalTime);

QDateTime at(int seconds)
{
    return kNow.addSecs(seconds);
}

} // namespace

TEST(ReloadStatus, ATimedTabSaysItsPeriodAndTimeLeftAndOneWithoutATimerSaysItIsNotReloadingAndIsHeld)
{
    const std::tuple<ReloadTimerState, bool, int, const char *, std::optional<double>> rows[] = {
        // The tab's own timer wins over a running countdown.
        {{true, 45000, 44001}, true, 120, "Reloads every 45 seconds; next in 45 s", 44001.0 / 45000},
        {{true, 60000, 61500}, false, 300, "Reloads every minute; next in 1 min", 1.0},
        // The tab's timer is enabled with period 0 at "5 Minutes" and never fires.
        {{true, 0, -1},
         true,
         220,
         "Reloads with the 5-minute countdown when in front; next in 3 min 40 s",
         220.0 / 300},
        {{false, 60000, 30000}, false, 300, "Not reloading", std::nullopt},
        {{true, 0, -1}, false, 300, "Not reloading", std::nullopt},
        // "No Refresh" wakes as the auction's end nears.
        {{true, 0, 250000}, false, 300, "Next reload in 4 min 10 s", std::nullopt},
    };
    for (const auto &[tab, countdownRunning, countdownS, text, fractionLeft] : rows) {
        const ReloadStatus status = reloadStatus(tab, countdownRunning, countdownS);
        EXPECT_EQ(status.tooltip, text);
        EXPECT_EQ(status.fractionLeft, fractionLeft) << text;
        const bool reloads = QString(text) != "Not reloading";
        EXPECT_EQ(status.tone, reloads ? HealthTone::Fine : HealthTone::Held) << text;
        // The overview says what the header says.
        EXPECT_EQ(watchStatus({}, false, status.reloads, true), reloads ? "changed" : "not reloading") << text;
    }
}

TEST(ReloadStatus, AStaleTabSaysWhenItWasDrawnAndWhyItWasNotReloaded)
{
    PageHealth health;
    health.lastDrawn = at(-90);
    health.pausedForTyping = true;
    health.loadError = "HTTP 429";
    health.siteWaitUntil = at(100);
    health.siteAskedWaitS = 120;
    const ReloadStatus status = reloadStatus({true, 15000, 4000}, false, 300, health, kNow);
    EXPECT_EQ(status.tooltip,
              "Reloads every 15 seconds; next in 4 s\nPaused while you type into the page\n"
              "Not updated since 13:58 (HTTP 429)\nThe site asked to wait 120 s");
    // Failing wins over waiting: the page will not come back by itself.
    EXPECT_EQ(status.tone, HealthTone::Failing);

    // A page that kept crashing is reloaded by no timer.
    health = {};
    health.stoppedAfterCrashes = true;
    const ReloadStatus stopped = reloadStatus({true, 15000, 4000}, true, 120, health, kNow);
    EXPECT_EQ(stopped.tooltip,
              "Not reloading\nStopped: the page crashed 3 times in a row; Refresh Current Tab (F5) starts it again");
    EXPECT_EQ(stopped.tone, HealthTone::Failing);
    EXPECT_EQ(watchStatus(health, false, true, true), "stopped");
    // So is an unwatched page that the countdown reloaded.
    const ReloadStatus unwatched = pageMessageStatus(health);
    EXPECT_EQ(unwatched.tooltip, stopped.tooltip.section('\n', 1));
    EXPECT_EQ(unwatched.tone, HealthTone::Failing);
    health = {};
    health.loadError = "connection refused";
    EXPECT_TRUE(reloadStatus({true, 15000, 4000}, false, 300, health, kNow)
                    .tooltip.endsWith("\nNot updated yet (connection refused)"));
    health.lastDrawn = at(-90);
    health.loadError.clear();
    EXPECT_TRUE(reloadStatus({true, 15000, 4000}, false, 300, health, kNow)
                    .tooltip.endsWith("\nLast drawn at 13:58:30, 1 min 30 s ago"));
}

TEST(OutageWatch, TellsOnceAfterThreePeriodsOrTwoMinutesUndrawnAndOnceWhenDrawnAgain)
{
    using News = OutageWatch::News;
    OutageWatch watch;
    // At 15 s a tab is down after two minutes; at 60 s after three; a tab not on a timer, or held by the user, never.
    EXPECT_EQ(watch.check(at(-119), at(-600), 15000, false, kNow), News::None);
    EXPECT_EQ(watch.check(at(-179), at(-600), 60000, false, kNow), News::None);
    EXPECT_EQ(watch.check(at(-600), at(-600), 0, false, kNow), News::None);
    EXPECT_EQ(watch.check(at(-600), at(-600), 15000, true, kNow), News::None);
    // Counted from the arming, for a page drawn long before it.
    EXPECT_EQ(watch.check(at(-3600), at(-60), 15000, false, kNow), News::None);
    EXPECT_EQ(watch.check(QDateTime(), at(-120), 15000, false, kNow), News::Down);
    EXPECT_EQ(watch.check(QDateTime(), at(-120), 15000, false, at(60)), News::None);
    EXPECT_EQ(watch.check(at(70), at(-120), 15000, false, at(70)), News::Back);
    EXPECT_EQ(watch.check(at(70), at(-120), 15000, false, at(71)), News::None);
    EXPECT_EQ(watch.check(at(70), at(-120), 15000, false, at(190)), News::Down);
}

TEST(ChangeHistory, KeepsTheFirstValueAndTheLastTwentyChangesWithTheirTimes)
{
    ChangeHistory history;
    EXPECT_FALSE(history.record("US $180.00", at(0)));
    EXPECT_TRUE(recentChanges(history, 3).isEmpty());
    EXPECT_FALSE(history.record("US $180.00", at(10)));
    EXPECT_TRUE(history.record("US $185.00", at(20)));
    EXPECT_TRUE(history.record("US $180.00", at(40)));
    const QList<ChangeHistory::Entry> expected = {
        {"US $180.00", at(0)}, {"US $185.00", at(20)}, {"US $180.00", at(40)}};
    EXPECT_EQ(history.entries(), expected);
    EXPECT_EQ(recentChanges(history, 2), "Changes: US $185.00 at 14:00:20, US $180.00 at 14:00:40");
    for (int i = 3; i < 25; ++i)
        history.record(QString::number(i), at(i * 60));
    ASSERT_EQ(history.entries().size(), 20);
    EXPECT_EQ(history.entries().first(), (ChangeHistory::Entry{"5", at(300)}));
    EXPECT_EQ(history.lastFew(1).first(), (ChangeHistory::Entry{"24", at(1440)}));
}

TEST(ElementWatch, ReportsAGoneElementOnceUntilItComesBack)
{
    ElementWatch watch("3 bids");
    const auto gone = watch.observe(std::nullopt);
    ASSERT_TRUE(gone);
    EXPECT_EQ(changeText(*gone), "'3 bids' is gone");
    EXPECT_FALSE(watch.observe(std::nullopt));
    EXPECT_FALSE(watch.observe(QString("3 bids"))); // back as it was: nothing to tell
    EXPECT_TRUE(watch.observe(std::nullopt));
}

TEST(NumberReading, ReadsPricesInTheCommonFormsAndRefusesOddGroupings)
{
    const std::pair<const char *, std::optional<double>> rows[] = {
        {"US $1,234.50", 1234.5},
        {"EUR 1.234,50", 1234.5},
        {"£12", 12},
        {"1\u00A0234,50\u00A0€", 1234.5},
        {"1\u2009234\u202F567.25 USD", 1234567.25},
        {"$12", 12},
        {"12.5", 12.5},
        {"12,5", 12.5},
        {"CHF 1'234.50", 1234.5},
        {"1,234,567", 1234567},
        {"1.234.567", 1234567},
        {"12 bids", 12},
        // One mark before three digits: the currency decides, else it reads as English sites write.
        {"1,234", 1234},
        {"1.234", 1.234},
        {"EUR 1,234", 1.234},
        {"1.234 €", 1234},
        {"$1.234", 1.234},
        {"No bids yet", std::nullopt},
        {"1,23,45", std::nullopt},
        {"1.234,5.6", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[text, number] : rows)
        EXPECT_EQ(readNumber(QString::fromUtf8(text)), number) << text;
}

TEST(ConditionWatch, ALimitIsMetOnceWhenCrossedAndMovesAddUpFromWhereTheyWereLastMet)
{
    using Kind = AlertCondition::Kind;
    using Result = ConditionWatch::Result;
    const Result met = Result::Met, no = Result::NotMet, nan = Result::NotANumber;
    struct Row
    {
        AlertCondition condition;
        QStringList values; // the text when set, then after each change
        QList<Result> results;
    };
    const Row rows[] = {
        // Above 100: once on the way up, not while it stays above, and not for a reading that is no number.
        {{Kind::Above, 100},
         {"US $90.00", "US $150.00", "US $160.00", "-", "US $170.00", "US $95.00", "US $120.00"},
         {met, no, nan, no, no, met}},
        // Set while already below: nothing until it has been above.
        {{Kind::Below, 50}, {"40", "30", "60", "45"}, {no, no, met}},
        {{Kind::ChangesByAmount, 10}, {"100", "105", "111", "115", "130"}, {no, met, no, met}},
        {{Kind::ChangesByPercent, 10}, {"EUR 200,00", "EUR 210,00", "EUR 221,00", "EUR 230,00"}, {no, met, no}},
        {{Kind::Contains, 0, "Reserve  MET"},
         {"Reserve not met", "reserve met", "Reserve met!", "Ended"},
         {met, no, no}},
        {{Kind::StopsContaining, 0, "buy it now"}, {"Buy It Now", "Buy  it now $40", "Bid now"}, {no, met}},
        {{Kind::AnyChange}, {"1 bid", "2 bids"}, {met}},
    };
    for (const Row &row : rows) {
        ConditionWatch watch(row.condition);
        for (int i = 0; i < row.results.size(); ++i)
            EXPECT_EQ(watch.observe(row.values[i], row.values[i + 1]), row.results[i])
                << conditionText(row.condition).toStdString() << " at " << row.values[i + 1].toStdString();
    }
}

TEST(LeadWatch, LosingTheLeadIsToldOnceAndAnEmptyElementLeavesTheLeadAsItWas)
{
    EXPECT_EQ(readLead("You're the  HIGHEST bidder", "you're the highest bidder"), LeadState::Leading);
    EXPECT_EQ(readLead("High bidder m***e", "m***e"), LeadState::Leading);
    EXPECT_EQ(readLead("High bidder x***y", "m***e"), LeadState::Outbid);
    EXPECT_EQ(readLead(" ", "m***e"), LeadState::Unknown);
    EXPECT_EQ(readLead("You've been outbid", ""), LeadState::Unknown);

    LeadWatch lead;
    EXPECT_FALSE(lead.observe(LeadState::Outbid)); // never led: nothing lost
    EXPECT_FALSE(lead.observe(LeadState::Leading));
    EXPECT_FALSE(lead.observe(LeadState::Unknown));
    EXPECT_EQ(lead.state(), LeadState::Leading);
    EXPECT_TRUE(lead.observe(LeadState::Outbid));
    EXPECT_FALSE(lead.observe(LeadState::Outbid));
    EXPECT_EQ(leadText(lead.state()), "Outbid");
}

TEST(WatchedItems, ADamagedEntryIsLeftOutAndAPeriodOutOfRangeIsClamped)
{
    // Also a text kept before ends and histories were: no end, no history.
    EXPECT_EQ(watchedItemsFromText(R"([{"tab":7,"item":"1"},{"tab":1},{"tab":2,"item":"9","periodMs":99999}])", 5),
              (QList<WatchedItem>{{2, "9", 65535, {}, {}}}));
    EXPECT_TRUE(watchedItemsFromText("not json", 5).isEmpty());
    EXPECT_EQ(
        watchedItemsFromText(R"([{"tab":0,"item":"1","end":"soon","ended":true,
                                       "histories":[[{"value":"a","when":"x"},{"value":"b","when":"2026-12-08T14:00:00Z"}]]}])",
                             5)
            .first(),
        (WatchedItem{0,
                     "1",
                     0,
                     {},
                     {},
                     std::nullopt,
                     false,
                     {},
                     {QList<ChangeHistory::Entry>{{"b", QDateTime(QDate(2026, 12, 8), QTime(14, 0), Qt::UTC)}}}}));
}

TEST(WatchedItems, AnEndedItemComesBackEndedWithItsFinalValueHistoriesConditionsAndLead)
{
    QList<ChangeHistory::Entry> twentyFive;
    for (int i = 0; i < 25; ++i)
        twentyFive.append({QString::number(i), kNow.addMSecs(i * 1001)});
    const QList<WatchedItem> items = {
        {0,
         "1",
         60000,
         {"#price", "#bids", "#lead"},
         "#left",
         kNow,
         true,
         "US $740.00",
         {twentyFive, {{"3 bids", kNow}}},
         {{AlertCondition::Kind::Above, 1000.5}, {}, {AlertCondition::Kind::StopsContaining, 0, "highest bidder"}},
         2,
         "You're the highest bidder",
         LeadState::Outbid},
        {3, "2", 0, {}, {}, kNow.addDays(2), false, {}, {}}};
    QList<WatchedItem> expected = items;
    expected[0].histories[0] = twentyFive.mid(5);
    EXPECT_EQ(watchedItemsFromText(watchedItemsToText(items), 5), expected);
}

TEST(TabNotice, OneReloadsChangesGoTogetherAndATabTellsAtMostOnceInTenSeconds)
{
    TabNotice notice;
    EXPECT_TRUE(notice.isEmpty());
    notice.elementChanged(1, {"3 bids", "4 bids", false});
    notice.elementChanged(0, {"US $180.00", "US $185.00", false});
    EXPECT_EQ(notice.dueAt(at(0)), at(0));
    EXPECT_EQ(notice.take("Penny Black", at(0)),
              "Penny Black: 'US $180.00' is now 'US $185.00'; '3 bids' is now '4 bids'");
    EXPECT_TRUE(notice.isEmpty());

    // Held while quiet: a change carried on is told from where it started, one gone back is not told.
    notice.elementChanged(0, {"US $185.00", "US $190.00", false});
    notice.elementChanged(1, {"4 bids", "5 bids", false});
    notice.elementChanged(0, {"US $190.00", "US $195.00", false});
    notice.elementChanged(1, {"5 bids", "4 bids", false});
    notice.endingSoon("4m 50s");
    EXPECT_EQ(notice.dueAt(at(4)), at(10));
    EXPECT_EQ(notice.take("Penny Black", at(10)),
              "Penny Black: ending soon, 4m 50s left; 'US $185.00' is now 'US $195.00'");

    // Ended makes ending soon old news; a dropped element takes its change with it.
    notice.elementChanged(0, {"a", "b", false});
    notice.elementChanged(2, {"c", "", true});
    notice.endingSoon("1m 0s");
    notice.ended("US $200.00");
    notice.elementDropped(0);
    notice.stoppedUpdating("not updated since 14:00");
    EXPECT_EQ(notice.take("Penny Black", at(30)),
              "Penny Black: ended, final value US $200.00; not updated since 14:00; 'c' is gone");
    // Pushed as they came, whether told yet or not.
    EXPECT_EQ(notice.takePushed(),
              (QList<TabNotice::Pushed>{{AlertEvent::EndingSoon, "ending soon, 4m 50s left"},
                                        {AlertEvent::EndingSoon, "ending soon, 1m 0s left"},
                                        {AlertEvent::Ended, "ended, final value US $200.00"},
                                        {AlertEvent::StoppedUpdating, "not updated since 14:00"}}));
    EXPECT_TRUE(notice.takePushed().isEmpty());
    notice.elementChanged(1, {"c", "d", false});
    notice.elementDropped(0);
    notice.elementChanged(0, {"d", "e", false});
    EXPECT_EQ(notice.take("P", at(40)), "P: 'c' is now 'e'");
}

TEST(TabFreeze, AHiddenPageRestsUntilJustBeforeItsReloadUnlessItsOwnScriptsAreWhatUpdatesIt)
{
    const qint64 minute = 60 * 1000;
    TabFreezeFacts hidden;
    hidden.periodMs = 15000;
    hidden.nextReloadMs = 14000;
    EXPECT_EQ(freezeForMs(hidden), 11000);
    hidden.endMs = 11 * minute;
    EXPECT_EQ(freezeForMs(hidden), 11000);

    TabFreezeFacts inFront = hidden;
    inFront.inFront = true;
    TabFreezeFacts noRefresh = hidden;
    noRefresh.periodMs = 0;
    TabFreezeFacts notArmed = hidden;
    notArmed.nextReloadMs = -1;
    TabFreezeFacts nearTheEnd = hidden;
    nearTheEnd.endMs = 10 * minute - 1;
    TabFreezeFacts reloadSoon = hidden;
    reloadSoon.nextReloadMs = 4000;
    for (const TabFreezeFacts &awake : {inFront, noRefresh, notArmed, nearTheEnd, reloadSoon})
        EXPECT_EQ(freezeForMs(awake), std::nullopt);
}
