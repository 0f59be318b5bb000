#include "app/core/EndPhase.h"
#include "app/core/EndStatus.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kEnd(QDate(2026, 12, 8), QTime(14, 30), Qt::UTC);

// A tab whose page was loaded just now, secondsLeft before its end.
TabTiming tab(int secondsLeft, int periodMs = 60000, int leadMinutes = 5)
{
    TabTiming timing;
    timing.now = kEnd.addSecs(-secondsLeft);
    timing.end = kEnd;
    timing.lastLoad = timing.now;
    timing.periodMs = periodMs;
    timing.leadMinutes = leadMinutes;
    return timing;
}

TabTiming withoutEnd(int periodMs)
{
    TabTiming timing = tab(60, periodMs);
    timing.end.reset();
    return timing;
}

TabTiming lastLoadedBeforeTheEnd(int secondsLeft)
{
    TabTiming timing = tab(secondsLeft);
    timing.lastLoad = kEnd.addSecs(-3);
    return timing;
}

} // namespace

TEST(EndPhase, ReloadsFasterNearTheEndWhateverTheRate)
{
    using P = EndPhase;
    const struct
    {
        TabTiming timing;
        EndPhase phase;
        std::optional<int> waitMs;
    } rows[] = {
        {withoutEnd(60000), P::Normal, 60000},
        {withoutEnd(0), P::Normal, std::nullopt},
        {tab(20 * 60), P::Normal, 60000},
        {tab(20 * 60, 0), P::Normal, 15 * 60000},       // "No Refresh" wakes at the window
        {tab(5 * 60 + 30), P::Normal, 30000},           // the rate does not overshoot the window
        {tab(5 * 60), P::EndingSoon, 10000},
        {tab(3 * 60, 0), P::EndingSoon, 10000},
        {tab(3 * 60, 15000, 2), P::Normal, 15000},
        {tab(29 * 60, 60000, 30), P::EndingSoon, 10000},
        {tab(60), P::LastMinute, 5000},
        {tab(60, 0), P::LastMinute, 5000},
        {tab(1), P::LastMinute, 3000},                  // lands 2 s after the end
        {tab(-1), P::AfterEnd, 1000},                   // read just after the end: once more
        {lastLoadedBeforeTheEnd(-30), P::AfterEnd, 0},  // a missed final reload comes at once
        {tab(-2), P::Ended, std::nullopt},
        {tab(-3600, 0), P::Ended, std::nullopt},        // already over when first read
    };
    for (const auto &row : rows) {
        const ReloadPlan plan = planReload(row.timing);
        const qint64 left = row.timing.now.secsTo(kEnd);
        EXPECT_EQ(plan.phase, row.phase) << left << " s left";
        EXPECT_EQ(plan.waitMs, row.waitMs) << left << " s left";
    }
}

TEST(EndPhase, EndingSoonIsDueOnceOnEnteringTheWindow)
{
    const std::pair<EndPhase, int> rows[][2] = {
        {{EndPhase::Normal, 4 * 60}, {EndPhase::EndingSoon, 1}},
        {{EndPhase::Normal, 30}, {EndPhase::LastMinute, 1}},
        {{EndPhase::EndingSoon, 30}, {EndPhase::LastMinute, 0}},
        {{EndPhase::EndingSoon, 4 * 60}, {EndPhase::EndingSoon, 0}},
        {{EndPhase::Normal, 10 * 60}, {EndPhase::Normal, 0}},
        {{EndPhase::Normal, -1}, {EndPhase::AfterEnd, 0}},
    };
    for (const auto &[given, expected] : rows) {
        TabTiming timing = tab(given.second);
        timing.before = given.first;
        EXPECT_EQ(planReload(timing).notifyEndingSoon, bool(expected.second)) << given.second << " s left";
    }
}

TEST(EndPhase, ATabFollowedToItsEndReloadsOnceAfterItThenStops)
{
    // Each reload loads at once; the plan is asked after each.
    TabTiming timing = tab(7 * 60);
    QList<qint64> reloads; // ms before the end
    int notifications = 0;
    for (int step = 0; step < 1000; ++step) {
        const ReloadPlan plan = planReload(timing);
        notifications += plan.notifyEndingSoon;
        timing.before = plan.phase;
        if (!plan.waitMs)
            break;
        timing.now = timing.now.addMSecs(*plan.waitMs);
        timing.lastLoad = timing.now;
        reloads << timing.now.msecsTo(kEnd);
    }
    EXPECT_EQ(timing.before, EndPhase::Ended);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(reloads.mid(0, 3), QList<qint64>({360000, 300000, 290000}));
    EXPECT_EQ(reloads.mid(reloads.indexOf(60000)), QList<qint64>({60000, 55000, 50000, 45000, 40000, 35000, 30000,
                                                                  25000, 20000, 15000, 10000, 5000, 0, -2000}));
    EXPECT_EQ(reloads.indexOf(60000), 2 + 23); // every 10 s from 4:50 to 1:10 before the end
}

TEST(EndStatus, CountsDownThenSaysEndedWithTheLastValueAndTellsAProblem)
{
    const QDateTime now = kEnd.addSecs(-250);
    const EndStatus counting = endStatus(EndPhase::EndingSoon, kEnd, QString(), "US $5", now);
    EXPECT_EQ(counting.header, "4m 10s");
    EXPECT_TRUE(counting.tooltip.startsWith("Time left: 4m 10s (ends "));
    EXPECT_EQ(endStatus(EndPhase::Ended, kEnd, QString(), "US $185.00", now).header, "Ended: US $185.00");
    EXPECT_EQ(endStatus(EndPhase::Ended, kEnd, QString(), QString(), now).tooltip, "Ended");
    const EndStatus unread = endStatus(EndPhase::Normal, std::nullopt, "Cannot read the time left from 'soon'",
                                       QString(), now);
    EXPECT_TRUE(unread.header.isEmpty());
    EXPECT_EQ(unread.tooltip, "Cannot read the time left from 'soon'");
}
