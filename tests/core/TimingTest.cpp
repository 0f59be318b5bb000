#include "app/core/EndMove.h"
#include "app/core/EndPhase.h"
#include "app/core/EndStatus.h"
#include "app/core/LateTicks.h"
#include "app/core/RefreshRates.h"
#include "app/core/ReloadSpread.h"
#include "app/core/TimeLeft.h"
#include "platform/core/CrashBackoff.h"
#include "platform/core/PagePatience.h"
#include "platform/core/SiteAnswers.h"

#include <QTimeZone>
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

namespace {

// The reader's rows are read on a Thursday in India, whose zone no row names:
// local time there, so that a local time read in another zone would show.
const QTimeZone kIndia("Asia/Kolkata");
const QDateTime kReadAt(QDate(2026, 11, 26), QTime(12, 0), kIndia);

AuctionEnd readInIndia(const char *text)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    AuctionEnd read = auctionEnd(QString::fromUtf8(text), kReadAt);
    if (read.end) // while local time is India's
        read.end = read.end->toUTC();
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    return read;
}

QDateTime at(int month, int day, int hour, int minute, const QTimeZone &zone = QTimeZone::utc(), int year = 2026)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), zone);
}

void expectEnds(const std::initializer_list<std::pair<const char *, QDateTime>> &rows)
{
    for (const auto &[text, end] : rows) {
        SCOPED_TRACE(text);
        const AuctionEnd read = readInIndia(text);
        EXPECT_EQ(read.end, end) << read.problem.toStdString();
        EXPECT_TRUE(read.problem.isEmpty());
    }
}

} // namespace

TEST(TimeLeft, ReadsTimesLeftInUnitsAndClocksInEightLanguages)
{
    const qint64 m = 60, h = 60 * m, d = 24 * h;
    const std::pair<const char *, qint64> rows[] = {
        {"3d 4h", 3 * d + 4 * h},
        {"4h 20m 5s", 4 * h + 20 * m + 5},
        {"5 mins", 5 * m},
        {"1 day 2 hours", d + 2 * h},
        {"Ends in 4m 10s", 4 * m + 10},
        {"45 seconds", 45},
        {" TIME REMAINING\n1 hr, 5 min left ", h + 5 * m},
        {"Time remaining: 01:05:09", h + 5 * m + 9},
        {"Ends in 00:02:30", 2 * m + 30},
        {"01:05:09 left", h + 5 * m + 9},
        {"Closes in 2 hours", 2 * h},
        {"Restzeit: 3T 05Std", 3 * d + 5 * h},
        {"Endet in 2 Std. 40 Min.", 2 * h + 40 * m},
        {"Temps restant : 3j 05h", 3 * d + 5 * h},
        {"Tiempo restante: 3d 5h", 3 * d + 5 * h},
        {"Tempo rimanente: 3g 5h", 3 * d + 5 * h},
        {"Sluit over 3 dagen 2 uur", 3 * d + 2 * h},
        {"Tijd over: 2d 3u", 2 * d + 3 * h},
        {"koniec za 3 dni 2 godz.", 3 * d + 2 * h},
        {"Slutar om 3 dagar", 3 * d},
        {"3t kvar", 3 * h},
        {"残り 3日", 3 * d},
        {"残り時間 7時間", 7 * h},
        {"3d", 3 * d},
    };
    for (const auto &[text, seconds] : rows)
        expectEnds({{text, kReadAt.addSecs(seconds)}});
}

TEST(TimeLeft, ReadsTheEndWrittenBesideATimeLeftThatAgrees)
{
    expectEnds({
        {"1d 10h left (Fri, 10:15 PM)", at(11, 27, 22, 15, kIndia)},
        {"Time left: 4d 19h | Tuesday, 07:20 AM", at(12, 1, 7, 20, kIndia)},
        {"2h 07m (Today 14:07)", at(11, 26, 14, 7, kIndia)},
        {"3d 4h (12 bids)", kReadAt.addSecs((3 * 24 + 4) * 3600)},
    });
}

TEST(TimeLeft, ReadsEndDatesInTheirZones)
{
    const QTimeZone utc = QTimeZone::utc();
    expectEnds({
        {"Dec 08, 2026 14:30:00 PST", at(12, 8, 22, 30)},
        {"Ends: December 8, 2026 2:30 PM EST", at(12, 8, 19, 30)},
        {"Dec 8 2026 12:05 am gmt", at(12, 8, 0, 5)},
        {"2026-12-08 14:30", at(12, 8, 14, 30, kIndia)},
        {"2026-12-08 14:30 -05:30", at(12, 8, 20, 0)},
        {"2026-12-08T14:30:00Z", at(12, 8, 14, 30)},
        {"11/30/2026 6:45:00 PM PT", at(12, 1, 2, 45)},
        {"Sale date: 07/04/2027 6:45 PM PT", at(7, 5, 1, 45, utc, 2027)},
        {"Nov 30, 2026 06:45 PM EST", at(11, 30, 23, 45)},
        {"Mon. Nov 30, 6:45 PM CST", at(12, 1, 0, 45)},
        {"Closing: Nov 25 at 9:00 AM ET", at(11, 25, 14, 0, utc, 2027)},
        {"Auction close: Nov 30, 2026 at 6:45 PM GMT", at(11, 30, 18, 45)},
        {"Ends Tomorrow at 7:10 AM GMT", at(11, 27, 7, 10)},
        {"Ends today 21:05 GMT", at(11, 26, 21, 5)},
        {"Endet morgen 10:00 MEZ", at(11, 27, 9, 0)},
        {"Ending: Thursday at 11:30 AM", at(11, 26, 11, 30, kIndia)},
    });
}

TEST(TimeLeft, RefusesWhatItCannotReadForSureAndSaysWhy)
{
    const std::pair<const char *, const char *> rows[] = {
        {"Time left:", "no time left"},
        {"soon", "\"soon\" is neither"},
        {"12 bids", "neither"},
        {"4h 3d", "neither"},
        {"45", "neither"},
        {"04:10", "clock with no label"},
        {"Time left: 04:10", "hours and minutes or minutes and seconds"},
        {"Ends 21:05 GMT", "time of day with no date"},
        {"3T", "different times in different languages"},
        {"1d 10h left (Sat, 10:15 PM)", "disagree"},
        {"Dec 08, 2026", "neither"},
        {"Dec 08, 2026 14:30 XYZ", "\"XYZ\" is no time zone"},
        {"2026-12-08 14:30 +1500", "no time zone"},
        {"Feb 30, 2026 10:00", "no date and time"},
        {"Dec 08, 2026 14:30 PM", "no date and time"},
        {"Ma 08, 2026 14:30", "no date"},
        {"Tue. Nov 30, 6:45 PM CST", "weekday"},
        {"12/08/2026 6:45 PM", "day first or month first"},
        {"30/11/2026 18:45", "day first"},
        {"12/08 6:45 PM PT", "no year"},
    };
    for (const auto &[text, problem] : rows) {
        SCOPED_TRACE(text);
        const AuctionEnd read = readInIndia(text);
        EXPECT_EQ(read.end, std::nullopt);
        EXPECT_TRUE(read.problem.contains(QLatin1String(problem))) << read.problem.toStdString();
    }
}

TEST(EndMove, AnEndReadFarFromTheKnownOneMovesItAndTheTooltipSaysSo)
{
    const QDateTime end(QDate(2026, 12, 8), QTime(14, 3)); // local time, as the tooltip writes it
    const ReadEnd written{end, 60000};
    const std::tuple<std::optional<ReadEnd>, ReadEnd, QDateTime, bool> rows[] = {
        {std::nullopt, written, end, false},
        {written, {end.addSecs(7 * 60), 60000}, end.addSecs(7 * 60), true},
        {written, {end.addSecs(-181), 1000}, end.addSecs(-181), true},
        {written, {end.addSecs(180), 60000}, end.addSecs(180), false}, // as precise: the newer
        {written, {end.addSecs(40 * 60), 3600000}, end, false},        // "3d 5h" agrees: the written end stays
        {ReadEnd{end, 1000}, {end.addSecs(-125), 1000}, end.addSecs(-125), true},
    };
    for (const auto &[known, read, taken, moved] : rows) {
        SCOPED_TRACE(read.at.toString().toStdString());
        const NextEnd next = nextEnd(known, read);
        EXPECT_EQ(next.end.at, taken);
        EXPECT_EQ(next.moved, moved);
    }
    const QString tooltip = endStatus(EndPhase::Normal, end.addSecs(7 * 60), end, {}, {}, end).tooltip;
    EXPECT_TRUE(tooltip.endsWith("\nEnd moved from 14:03 to 14:10")) << tooltip.toStdString();
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
        {tab(1, 0), P::LastMinute, 3000, true}, // lands 2 s after the end
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
        if (startMs == 7 * 60000) {
            EXPECT_EQ(reloads.mid(0, 3), QList<qint64>({360000, 300000, 290000}));
        }
        EXPECT_EQ(reloads.last(), -2000) << startMs;
        const qsizetype lastMinute =
            std::find_if(reloads.begin(), reloads.end(), [](qint64 ms) { return ms <= 60000; }) - reloads.begin();
        for (qsizetype i = lastMinute; i + 1 < reloads.size(); ++i) {
            const qint64 gap = reloads[i] - reloads[i + 1];
            EXPECT_TRUE(gap == 5000 || (gap < 5000 && i + 3 >= reloads.size())) << startMs << ": " << gap;
            EXPECT_GE(reloads[i], 1500) << startMs;
        }
    }
}

TEST(EndPhase, AfterATimedReloadTheWaitIsSpreadButExactInTheLastMinuteAndNoneOnceEndedAndTypingHoldsLess)
{
    const QDateTime before = kEnd.addSecs(-300);
    EXPECT_EQ(waitAfterTimedReload(EndPhase::Normal, std::nullopt, before, 15000, -1), 13500);
    EXPECT_EQ(waitAfterTimedReload(EndPhase::Normal, kEnd, before, 15000, 0.2), 15300);
    EXPECT_EQ(waitAfterTimedReload(EndPhase::LastMinute, kEnd, kEnd.addSecs(-30), 5000, 1), 5000);
    // Whatever the phase planned at the last read, a reload at or after the end is the last.
    for (EndPhase phase : {EndPhase::Normal, EndPhase::EndingSoon, EndPhase::LastMinute, EndPhase::AfterEnd})
        EXPECT_EQ(waitAfterTimedReload(phase, kEnd, kEnd.addMSecs(2000), 15000, 0), std::nullopt);
    // Typed text holds a reload two minutes after the last key, ten seconds in
    // the auction's last ten minutes, whether or not the user is looking.
    EXPECT_EQ(typingHoldMs(std::nullopt), 120000);
    EXPECT_EQ(typingHoldMs(10 * 60000 + 1), 120000);
    EXPECT_EQ(typingHoldMs(10 * 60000), 10000);
    EXPECT_EQ(typingHoldMs(-5000), 10000);
}

TEST(ReloadSpread, TabsDueTogetherAreSpreadOverTheShortestPeriodAndNeverMeetLater)
{
    // Each wait of a period: up to 10 % either way, never under a second.
    const std::tuple<int, double, int> spreads[] = {{60000, 0, 60000},    {60000, 1, 66000}, {60000, -1, 54000},
                                                    {15000, -0.5, 14250}, {1000, -1, 1000},  {60000, 7, 66000}};
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
        {"1 Minute", 60000, false, false, false}, {"15 Seconds", 15000, false, false, false},
        {"5 Minutes", 0, true, true, false},      {"No Refresh", 0, false, true, true},
        {"1 minute", 0, false, false, false},     {" 1 Minute", 0, false, false, false},
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

TEST(CrashBackoff, APageThatKeepsKillingItsRendererIsFetchedEverLessOftenAndAtItsRateAtMost)
{
    // Not reloaded on a timer: a crash within a minute of the page's load is one in a row.
    CrashBackoff backoff;
    QList<int> waits;
    qint64 now = 0;
    for (int i = 0; i < 8; ++i) {
        backoff.pageLoaded(now);
        now += CrashBackoff::kLongestWaitMs - 1;
        waits << backoff.rendererEnded(now).value_or(-1);
    }
    EXPECT_EQ(waits, QList<int>({1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}));
    backoff.pageLoaded(now);
    EXPECT_EQ(backoff.rendererEnded(now + CrashBackoff::kLongestWaitMs), 1000);

    // At a 15 s rate: a period at least, a page up for a whole period starts over, and the third
    // crash in a row gives up until the user asks for a page.
    backoff.setPeriodMs(15000);
    for (int round = 0; round < 2; ++round) {
        waits.clear();
        for (int i = 0; i < 4; ++i) {
            backoff.pageLoaded(now);
            now += i == 0 ? 15000 : 14999;
            waits << backoff.rendererEnded(now).value_or(-1);
        }
        EXPECT_EQ(waits, QList<int>({15000, 15000, -1, -1}));
        backoff.startOver();
    }
}

TEST(PagePatience, LoadsTypingAndSilentRenderersAreWaitedForOnlySoLong)
{
    EXPECT_EQ(loadPatienceMs(15000), 60000);
    EXPECT_EQ(loadPatienceMs(45000), 90000);
    EXPECT_EQ(typingHoldLeftMs(30000, 120000), 90000);
    EXPECT_EQ(typingHoldLeftMs(3600000, 120000), 0);
    EXPECT_EQ(typingHoldLeftMs(0, 10000), 10000);
    EXPECT_EQ(typingHoldLeftMs(-1, 120000), 0);
    // Asked at 1000 ms: silent for as long as other pages were heard since.
    EXPECT_EQ(responsiveness(1000, 15999), Responsiveness::Answering);
    EXPECT_EQ(responsiveness(1000, 16000), Responsiveness::NotResponding);
    EXPECT_EQ(responsiveness(1000, 31000), Responsiveness::GiveUp);
    // No page heard since it was asked, however long ago: the program was held, not the page.
    EXPECT_EQ(responsiveness(1000, 900), Responsiveness::Answering);
}

TEST(SiteAnswers, AFailedLoadIsToldInAFewWordsAndASiteIsLeftAloneAsLongAsItAsks)
{
    EXPECT_EQ(loadErrorText("net::ERR_CONNECTION_REFUSED", 0), "connection refused");
    EXPECT_EQ(loadErrorText("ERR_INTERNET_DISCONNECTED", 0), "internet disconnected");
    EXPECT_EQ(loadErrorText("Service Unavailable", 503), "HTTP 503");
    EXPECT_TRUE(mayAskToWait(429) && mayAskToWait(503) && !mayAskToWait(500));

    EXPECT_EQ(retryAfterMs(" 120 ", kNow), 120000);
    EXPECT_EQ(retryAfterMs("Tue, 01 Dec 2026 10:02:30 GMT", kNow), 150000);
    EXPECT_EQ(retryAfterMs("Tue, 01 Dec 2026 09:00:00 GMT", kNow), 0);
    for (const char *unreadable : {"", "-5", "soon", "2026-12-01 10:02"})
        EXPECT_EQ(retryAfterMs(unreadable, kNow), std::nullopt) << unreadable;

    // Asked: as asked, however long. Not said: a 429 doubles from a minute to half an hour; a 503 is a site down.
    EXPECT_EQ(siteWaitMs(503, 7200000, 0), 7200000);
    EXPECT_EQ(siteWaitMs(429, std::nullopt, 0), 60000);
    EXPECT_EQ(siteWaitMs(429, std::nullopt, 60000), 120000);
    EXPECT_EQ(siteWaitMs(429, std::nullopt, 1200000), 1800000);
    EXPECT_EQ(siteWaitMs(503, std::nullopt, 60000), std::nullopt);
}

TEST(LateTicks, ATickFarLaterThanPlannedIsLateAndTheNextOnTimeIsNot)
{
    LateTicks ticks;
    EXPECT_FALSE(ticks.late(kNow, 500));
    EXPECT_FALSE(ticks.late(kNow.addMSecs(10500), 500));
    EXPECT_TRUE(ticks.late(kNow.addMSecs(21001), 500));
    EXPECT_FALSE(ticks.late(kNow.addMSecs(21501), 500));
}
