#include "app/core/ChangeHistory.h"
#include "app/core/ElementWatch.h"
#include "app/core/ReloadStatus.h"
#include "app/core/TabToolTip.h"
#include "app/core/WatchedItems.h"
#include "app/core/WatchedItemsOrder.h"

#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 8), QTime(14, 0), Qt::LocalTime);

QDateTime at(int seconds) { return kNow.addSecs(seconds); }

WatchSummary summary(int tab, std::optional<qint64> secondsLeft = std::nullopt, const QString &status = "live")
{
    WatchSummary s;
    s.tab = tab;
    s.status = status;
    if (secondsLeft)
        s.end = at(int(*secondsLeft));
    return s;
}

} // namespace

TEST(ReloadStatus, ATimedTabSaysItsPeriodAndTimeLeftAndTheCountdownCountsOnlyWithoutOne)
{
    const std::tuple<int, int, const char *> rows[] = {
        {60000, 60000, "Reloads every minute; next in 1 min"},
        {45000, 44001, "Reloads every 45 seconds; next in 45 s"},
        {60000, 61500, "Reloads every minute; next in 1 min"},
    };
    for (const auto &[period, remaining, text] : rows) {
        const ReloadStatus status = reloadStatus({true, period, remaining}, false, "300");
        EXPECT_EQ(status.tooltip, text);
        ASSERT_TRUE(status.fractionLeft);
        EXPECT_DOUBLE_EQ(*status.fractionLeft, double(std::min(remaining, period)) / period);
    }
    // The tab's timer is enabled with period 0 at "5 Minutes" and never fires.
    const ReloadStatus countdown = reloadStatus({true, 0, -1}, true, "220");
    EXPECT_EQ(countdown.tooltip, "Reloads with the 5-minute countdown when in front; next in 3 min 40 s");
    EXPECT_DOUBLE_EQ(*countdown.fractionLeft, 220.0 / 300);
    EXPECT_EQ(reloadStatus({true, 45000, 9000}, true, "120").tooltip, "Reloads every 45 seconds; next in 9 s");
}

TEST(ReloadStatus, NoRefreshAndUnknownRatesSayTheyAreNotReloading)
{
    // A count that is no number gives no figure rather than a wrong one.
    const std::tuple<ReloadTimerState, bool, const char *> rows[] = {
        {{false, 60000, -1}, false, "300"}, {{true, 0, -1}, false, "300"}, {{true, 0, -1}, true, "abc"}};
    for (const auto &[tab, countdownRunning, countdownText] : rows) {
        const ReloadStatus status = reloadStatus(tab, countdownRunning, countdownText);
        EXPECT_EQ(status.tooltip, "Not reloading");
        EXPECT_FALSE(status.fractionLeft);
    }
}

TEST(ReloadStatus, AStaleTabSaysWhenItWasDrawnAndWhyItWasNotReloaded)
{
    const QDateTime drawn(QDate(2026, 12, 7), QTime(14, 2, 31));
    PageHealth health;
    health.lastDrawn = drawn;
    health.pausedForTyping = true;
    const ReloadTimerState timer{true, 15000, 4000};
    ReloadStatus status = reloadStatus(timer, false, "300", health, drawn.addSecs(90));
    EXPECT_EQ(status.tooltip, "Reloads every 15 seconds; next in 4 s\nPaused while you type into the page\n"
                              "Last drawn at 14:02:31, 1 min 30 s ago");
    EXPECT_EQ(status.tone, HealthTone::Held);

    // Failing wins over waiting: the page will not come back by itself.
    health.loadError = "Connection refused";
    status = reloadStatus(timer, false, "300", health, drawn);
    EXPECT_TRUE(status.tooltip.contains("\nSite not answering: Connection refused\n"));
    EXPECT_EQ(status.tone, HealthTone::Failing);

    PageHealth hung;
    hung.notResponding = true;
    hung.pageMessage = "You have been outbid";
    status = reloadStatus(timer, false, "300", hung, drawn);
    EXPECT_EQ(status.tooltip, "Reloads every 15 seconds; next in 4 s\nPage not responding\n"
                              "The page said: You have been outbid");
    EXPECT_EQ(status.tone, HealthTone::Failing);
}

TEST(ReloadStatus, AWatchedItemsStatusIsTheFirstThatHolds)
{
    PageHealth failing;
    failing.loadError = "refused";
    PageHealth waiting;
    waiting.waitingForDialog = true;
    PageHealth hung = failing;
    hung.notResponding = true;
    EXPECT_EQ(watchStatus(hung, true, true), "ended");
    EXPECT_EQ(watchStatus(hung, false, true), "not responding");
    EXPECT_EQ(watchStatus(failing, false, true), "not answering");
    EXPECT_EQ(watchStatus(waiting, false, true), "paused");
    EXPECT_EQ(watchStatus({}, false, true), "changed");
    EXPECT_EQ(watchStatus({}, false, false), "live");
}

TEST(TabToolTip, TellsTitleAndAddressAndAPageOffTheSite)
{
    EXPECT_EQ(tabToolTip("Reloads every minute; next in 1 min", "Penny Black", QUrl("http://cgi.ebay.com/x"), true),
              "Reloads every minute; next in 1 min\nPage: Penny Black\nAddress: http://cgi.ebay.com/x");
    EXPECT_EQ(tabToolTip(QString(), QString(), QUrl("http://ebay.example.net/x"), false),
              "Not on the auction site: http://ebay.example.net/x");
}

TEST(ChangeHistory, KeepsTheFirstValueAndEachChangeWithItsTime)
{
    ChangeHistory history;
    EXPECT_FALSE(history.record("US $180.00", at(0)));
    EXPECT_FALSE(history.record("US $180.00", at(10)));
    EXPECT_TRUE(history.record("US $185.00", at(20)));
    EXPECT_TRUE(history.record("US $180.00", at(40)));
    const QList<ChangeHistory::Entry> expected = {
        {"US $180.00", at(0)}, {"US $185.00", at(20)}, {"US $180.00", at(40)}};
    EXPECT_EQ(history.entries(), expected);
    EXPECT_EQ(history.lastFew(2), expected.mid(1));
    EXPECT_EQ(history.lastFew(10), expected);
    EXPECT_TRUE(history.lastFew(-1).isEmpty());
    EXPECT_EQ(recentChanges(history, 1), "Changes: US $180.00 at " + at(40).toString("HH:mm:ss"));
    ChangeHistory unchanged;
    unchanged.record("US $180.00", at(0));
    EXPECT_TRUE(recentChanges(unchanged, 3).isEmpty());
}

TEST(ChangeHistory, KeepsOnlyTheLastTwentyNewestLast)
{
    ChangeHistory history;
    for (int i = 0; i < 25; ++i)
        history.record(QString::number(i), at(i));
    ASSERT_EQ(history.entries().size(), 20);
    EXPECT_EQ(history.entries().first(), (ChangeHistory::Entry{"5", at(5)}));
    EXPECT_EQ(history.lastFew(1).first(), (ChangeHistory::Entry{"24", at(24)}));
    EXPECT_TRUE(history.record("25", at(25)));
}

TEST(ElementWatch, ReportsAChangeOnceWithBothTextsShortenedInTheMessage)
{
    ElementWatch watch("US $41.00");
    EXPECT_FALSE(watch.observe(QString("US $41.00")));
    const auto change = watch.observe(QString("US $45.00"));
    ASSERT_TRUE(change);
    EXPECT_EQ(alertMessage("Item 123", *change), "Item 123: 'US $41.00' is now 'US $45.00'");
    EXPECT_FALSE(watch.observe(QString("US $45.00")));
    const auto longer = watch.observe(QString(200, 'x'));
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->after, QString(200, 'x'));
    EXPECT_LT(alertMessage("Item 123", *longer).size(), 100);
}

TEST(ElementWatch, AGoneElementCountsOnceThenWaitsForItToComeBack)
{
    ElementWatch watch("3 bids");
    const auto gone = watch.observe(std::nullopt);
    ASSERT_TRUE(gone);
    EXPECT_EQ(alertMessage("Item 7", *gone), "Item 7: '3 bids' is gone");
    EXPECT_FALSE(watch.observe(std::nullopt));
    EXPECT_FALSE(watch.observe(QString("3 bids"))); // back as it was: nothing to tell
    EXPECT_TRUE(watch.observe(std::nullopt));       // gone again counts again
    const auto back = watch.observe(QString("4 bids"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->before, "3 bids");
}

TEST(WatchedItems, ComeBackAsStoredAndADamagedEntryIsLeftOut)
{
    const QList<WatchedItem> items = {{0, " A&B\t\"1\" ", 15000, {"#price", "div:nth-of-type(2) > span"}, "#left"},
                                      {3, "", 0, {}, ""}};
    EXPECT_EQ(watchedItemsFromText(watchedItemsToText(items), 5), items);
    EXPECT_EQ(watchedItemsFromText(R"([{"tab":7,"item":"1"},{"tab":1},{"tab":2,"item":"9","periodMs":99999}])", 5),
              (QList<WatchedItem>{{2, "9", 65535}}));
    EXPECT_TRUE(watchedItemsFromText("not json", 5).isEmpty());
}

TEST(WatchedItemsOrder, SoonestEndFirstThenUnknownEndsThenEndedOnes)
{
    const QList<WatchSummary> summaries = {summary(0, -5),     summary(1, 30, "ended"), summary(2),
                                           summary(3, 3600),   summary(4, 60),          summary(5, 60),
                                           summary(6)};
    QList<int> tabs;
    for (const WatchSummary &s : inOverviewOrder(summaries, kNow))
        tabs << s.tab;
    EXPECT_EQ(tabs, QList<int>({4, 5, 3, 2, 6, 0, 1}));
}

TEST(WatchedItemsOrder, RowsTellTheValuesAndTheirHistoryAndMarkEndingSoonFirst)
{
    WatchSummary s = summary(2, 0);
    s.itemNumber = "123";
    s.values = {"US $1,041.00", "3 bids"};
    s.lastDrawn = at(-12);
    EXPECT_EQ(overviewCells(s, kNow), QStringList({"123", "", "US $1,041.00 | 3 bids", "Ended", "12 s ago", "live"}));
    s.histories = {{{"US $40.00", kNow.addDays(-1)}, {"US $41.00", at(-90)}}, {}, {{"2 bids", at(-30)}}};
    EXPECT_EQ(historyLines(s, kNow),
              QStringList({"7 Dec 14:00:00  US $40.00", "13:58:30  US $41.00", "", "13:59:30  2 bids"}));
    s.changed = true;
    EXPECT_EQ(rowMark(s), RowMark::Changed);
    s.endingSoon = true;
    EXPECT_EQ(rowMark(s), RowMark::EndingSoon);
}
