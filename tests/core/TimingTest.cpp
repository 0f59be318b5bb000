#include "app/core/EndPhase.h"
#include "app/core/RefreshRates.h"
#include "app/core/ReloadSpread.h"
#include "app/core/TimeLeft.h"
#include "platform/core/CrashBackoff.h"
#include "platform/core/PagePatience.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QDateTime utc(int day, int hour, int minute)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute), Qt::UTC);
}

const QDateTime kNow = utc(1, 10, 0);
const QDateTime kEnd = utc(8, 14, 30);

// A tab whose page was loaded just now, secondsLeft before its end.
TabTiming tab(int secondsLeft, int periodMs = 60000, int leadMinutes = 5)
{
    const QDateTime now = kEnd.addSecs(-secondsLeft);
    return {now, kEnd, now, periodMs, leadMinutes};
}

} // namespace

TEST(TimeLeft, ReadsTimesLeftAndEndDates)
{
    // In a zone away from UTC, so that a local time read as UTC would show.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    const qint64 s = 1000, m = 60 * s, h = 60 * m, d = 24 * h;
    const std::pair<const char *, QDateTime> rows[] = {
        {"3d 4h", kNow.addMSecs(3 * d + 4 * h)},
        {"4h 20m 5s", kNow.addMSecs(4 * h + 20 * m + 5 * s)},
        {"20m 5s", kNow.addMSecs(20 * m + 5 * s)},
        {"5 mins", kNow.addMSecs(5 * m)},
        {"1 day 2 hours", kNow.addMSecs(d + 2 * h)},
        {"Ends in 4m 10s", kNow.addMSecs(4 * m + 10 * s)},
        {"45 seconds", kNow.addMSecs(45 * s)},
        {" TIME REMAINING\n1 hr, 5 min left ", kNow.addMSecs(h + 5 * m)},
        {"Dec 08, 2026 14:30:00 PST", utc(8, 22, 30)},
        {"Ends: December 8, 2026 2:30 PM EST", utc(8, 19, 30)},
        {"Dec 8 2026 12:05 am gmt", utc(8, 0, 5)},
        {"2026-12-08 14:30", utc(8, 9, 0)}, // local time, 5:30 ahead of UTC there
        {"2026-12-08 14:30 -05:30", utc(8, 20, 0)},
    };
    for (const auto &[text, end] : rows) {
        const AuctionEnd read = auctionEnd(QString::fromLatin1(text), kNow);
        EXPECT_EQ(read.end, end) << text << ": " << read.problem.toStdString();
        EXPECT_TRUE(read.problem.isEmpty()) << text;
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
}

TEST(TimeLeft, RefusesWhatItCannotReadAndSaysWhy)
{
    const std::pair<const char *, const char *> rows[] = {
        {"Time left:", "no time left"}, {"soon", "\"soon\" is neither"}, {"12 bids", "neither"},
        {"4h 3d", "neither"}, {"45", "neither"}, {"04:10", "neither"}, {"Dec 08, 2026", "neither"},
        {"Dec 08, 2026 14:30 XYZ", "\"XYZ\" is no time zone"}, {"2026-12-08 14:30 +1500", "no time zone"},
        {"Feb 30, 2026 10:00", "no date and time"}, {"Dec 08, 2026 14:30 PM", "no date and time"},
        {"Ma 08, 2026 14:30", "no date and time"},
    };
    for (const auto &[text, problem] : rows) {
        const AuctionEnd read = auctionEnd(QString::fromLatin1(text), kNow);
        EXPECT_EQ(read.end, std::nullopt) << text;
        EXPECT_TRUE(read.problem.contains(QLatin1String(problem))) << text << ": " << read.problem.toStdString();
    }
}

TEST(TimeLeft, WritesTheTwoLargestUnitsRoundedUpInTheFormItReads)
{
    const std::pair<qint64, const char *> rows[] = {
        {(3 * 86400 + 4 * 3600 + 59) * 1000, "3d 4h"}, {60000, "1m 0s"}, {44001, "45s"}, {-5000, "0s"}};
    for (const auto &[ms, text] : rows)
        EXPECT_EQ(timeLeftText(kNow, kNow.addMSecs(ms)), text) << ms;
}

TEST(EndPhase, ReloadsFasterNearTheEndWhateverTheRate)
{
    using P = EndPhase;
    const std::tuple<TabTiming, EndPhase, std::optional<int>, bool> rows[] = {
        {{kEnd, std::nullopt, kEnd, 60000}, P::Normal, 60000, false}, // the end is not known
        {{kEnd, std::nullopt, kEnd, 0}, P::Normal, std::nullopt, false},
        {tab(20 * 60, 0), P::Normal, 15 * 60000, false}, // "No Refresh" wakes at the window
        {tab(5 * 60 + 30), P::Normal, 30000, false},     // the rate does not overshoot the window
        {tab(3 * 60, 0), P::EndingSoon, 10000, true},
        {tab(3 * 60, 15000, 2), P::Normal, 15000, false},
        {tab(1, 0), P::LastMinute, 3000, true},          // lands 2 s after the end
        // A final reload missed comes at once; an end already past tells nothing.
        {{kEnd.addSecs(30), kEnd, kEnd.addSecs(-3), 60000}, P::AfterEnd, 0, false},
        // The waits at the rate and in the window are spread; the rate's never past the window.
        {{kEnd.addSecs(-600), kEnd, kEnd.addSecs(-600), 60000, 5, P::Normal, -1}, P::Normal, 54000, false},
        {{kEnd.addSecs(-330), kEnd, kEnd.addSecs(-330), 60000, 5, P::Normal, 1}, P::Normal, 30000, false},
        {{kEnd.addSecs(-200), kEnd, kEnd.addSecs(-200), 60000, 5, P::EndingSoon, 0.5}, P::EndingSoon, 10500, false},
        {{kEnd.addSecs(-50), kEnd, kEnd.addSecs(-50), 60000, 5, P::LastMinute, 1}, P::LastMinute, 5000, false},
        // An ended tab stays ended whatever it is asked.
        {{kEnd.addSecs(-600), kEnd, QDateTime(), 60000, 5, P::Ended}, P::Ended, std::nullopt, false},
    };
    for (const auto &[timing, phase, waitMs, notifyEndingSoon] : rows) {
        const ReloadPlan plan = planReload(timing);
        const qint64 left = timing.now.secsTo(kEnd);
        EXPECT_EQ(plan.phase, phase) << left << " s left";
        EXPECT_EQ(plan.waitMs, waitMs) << left << " s left";
        EXPECT_EQ(plan.notifyEndingSoon, notifyEndingSoon) << left << " s left";
    }
}

TEST(EndPhase, ATabFollowedToItsEndReloadsOnceAfterItThenStops)
{
    // Each reload loads at once; the plan is asked after each. Whatever the
    // steps fall on (a tab first read inside the window steps from then), no
    // reload comes in the last 1.5 s before the end, where it could land after
    // it, and exactly one comes after the end, 2 s after.
    QList<int> startsMs{7 * 60000};
    for (int offsetMs = 0; offsetMs < 10000; offsetMs += 250)
        startsMs << 3 * 60000 + offsetMs;
    for (const int startMs : startsMs) {
        TabTiming timing = tab(0);
        timing.now = timing.lastLoad = kEnd.addMSecs(-startMs);
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
        EXPECT_EQ(timing.before, EndPhase::Ended) << startMs;
        EXPECT_EQ(notifications, 1) << startMs;
        if (startMs == 7 * 60000)
            EXPECT_EQ(reloads.mid(0, 3), QList<qint64>({360000, 300000, 290000}));
        EXPECT_EQ(reloads.last(), -2000) << startMs;
        const qsizetype lastMinute = std::find_if(reloads.begin(), reloads.end(), [](qint64 ms) { return ms <= 60000; })
                                     - reloads.begin();
        for (qsizetype i = lastMinute; i + 1 < reloads.size(); ++i) {
            const qint64 gap = reloads[i] - reloads[i + 1];
            EXPECT_TRUE(gap == 5000 || (gap < 5000 && i + 3 >= reloads.size())) << startMs << ": " << gap;
            EXPECT_GE(reloads[i], 1500) << startMs;
        }
    }
}

TEST(EndPhase, AfterATimedReloadTheWaitIsSpreadButExactInTheLastMinuteAndNoneOnceEnded)
{
    const QDateTime before = kEnd.addSecs(-300);
    EXPECT_EQ(waitAfterTimedReload(EndPhase::Normal, std::nullopt, before, 15000, -1), 13500);
    EXPECT_EQ(waitAfterTimedReload(EndPhase::Normal, kEnd, before, 15000, 0.2), 15300);
    EXPECT_EQ(waitAfterTimedReload(EndPhase::LastMinute, kEnd, kEnd.addSecs(-30), 5000, 1), 5000);
    // Whatever the phase planned at the last read, a reload at or after the end is the last.
    for (EndPhase phase : {EndPhase::Normal, EndPhase::EndingSoon, EndPhase::LastMinute, EndPhase::AfterEnd})
        EXPECT_EQ(waitAfterTimedReload(phase, kEnd, kEnd.addMSecs(2000), 15000, 0), std::nullopt);
}

TEST(ReloadSpread, TabsDueTogetherAreSpreadOverTheShortestPeriodAndNeverMeetLater)
{
    // Each wait of a period: up to 10 % either way, never under a second.
    const std::tuple<int, double, int> spreads[] = {
        {60000, 0, 60000}, {60000, 1, 66000}, {60000, -1, 54000}, {15000, -0.5, 14250}, {1000, -1, 1000}, {60000, 7, 66000}};
    for (const auto &[period, draw, wait] : spreads)
        EXPECT_EQ(spreadWaitMs(period, draw), wait) << period << " " << draw;

    EXPECT_EQ(firstReloadWaitsMs({15000, 15000, 15000, 15000, 15000}), QList<int>({3000, 6000, 9000, 12000, 15000}));
    EXPECT_EQ(firstReloadWaitsMs({0, 45000, 0, 0, 0}), QList<int>({0, 45000, 0, 0, 0}));
    const QList<int> periods = {60000, 15000, 0, 30000, 45000};
    const QList<int> waits = firstReloadWaitsMs(periods);
    EXPECT_EQ(waits, QList<int>({3750, 7500, 0, 11250, 15000}));
    // Every reload over ten minutes falls in a second of its own.
    QList<int> seconds;
    for (int tab = 0; tab < periods.size(); ++tab) {
        for (int at = waits[tab]; periods[tab] > 0 && at <= 600000; at += periods[tab]) {
            EXPECT_FALSE(seconds.contains(at / 1000)) << "tab " << tab << " at " << at;
            seconds << at / 1000;
        }
    }
}

TEST(RefreshRates, EachTextGivesItsTimerChangesAndPeriodComparedExactly)
{
    const std::tuple<const char *, int, bool, bool, bool> rows[] = {
        // text, period, starts the countdown, stops the tab timers, stops the countdown
        {"1 Minute", 60000, false, false, false},   {"45 Seconds", 45000, false, false, false},
        {"30 Seconds", 30000, false, false, false}, {"15 Seconds", 15000, false, false, false},
        {"5 Minutes", 0, true, true, false},        {"No Refresh", 0, false, true, true},
        {"1 minute", 0, false, false, false},       {" 1 Minute", 0, false, false, false},
    };
    for (const auto &[text, period, startCountdown, stopTabTimers, stopCountdown] : rows) {
        const RefreshRate rate = lookupRefreshRate(QString::fromLatin1(text));
        EXPECT_EQ(rate.periodMs, period) << text;
        EXPECT_EQ(rate.startCountdown, startCountdown) << text;
        EXPECT_EQ(rate.stopTabTimers, stopTabTimers) << text;
        EXPECT_EQ(rate.stopCountdown, stopCountdown) << text;
        // A text that is no entry gives way to the rate in force, and says so.
        const RateInForce settled = settleRateText(QString::fromLatin1(text), "No Refresh");
        EXPECT_EQ(settled.text, period || startCountdown || stopCountdown ? text : "No Refresh") << text;
        EXPECT_EQ(settled.toolTip.contains("is no rate: the rate stays No Refresh"), settled.text != text) << text;
    }
}

TEST(CrashBackoff, DoublesFromOneSecondUpToAMinuteAndALoadedPageStartsOver)
{
    CrashBackoff backoff;
    QList<int> waits;
    for (int i = 0; i < 8; ++i)
        waits << backoff.nextWaitMs();
    EXPECT_EQ(waits, QList<int>({1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}));
    backoff.pageLoaded();
    EXPECT_EQ(backoff.nextWaitMs(), 1000);
}

TEST(PagePatience, LoadsTypingAndSilentRenderersAreWaitedForOnlySoLong)
{
    EXPECT_EQ(loadPatienceMs(15000), 60000);
    EXPECT_EQ(loadPatienceMs(45000), 90000);
    // Typed text holds a tab in front, and one out of sight for two minutes at most.
    EXPECT_TRUE(typingHoldsReload(true, true, 3600000));
    EXPECT_TRUE(typingHoldsReload(true, false, 119999));
    EXPECT_FALSE(typingHoldsReload(true, false, 120000));
    EXPECT_FALSE(typingHoldsReload(false, true, 0));
    EXPECT_EQ(responsiveness(14999), Responsiveness::Answering);
    EXPECT_EQ(responsiveness(15000), Responsiveness::NotResponding);
    EXPECT_EQ(responsiveness(30000), Responsiveness::GiveUp);
}
