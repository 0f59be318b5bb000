#include "app/core/WatchedItemsOrder.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 1), QTime(10, 0), Qt::LocalTime);

WatchSummary summary(int tab, std::optional<qint64> secondsLeft = std::nullopt, const QString &status = "live")
{
    WatchSummary s;
    s.tab = tab;
    s.status = status;
    if (secondsLeft)
        s.end = kNow.addSecs(*secondsLeft);
    return s;
}

QList<int> tabsInOrder(const QList<WatchSummary> &summaries)
{
    QList<int> tabs;
    for (const WatchSummary &s : inOverviewOrder(summaries, kNow))
        tabs << s.tab;
    return tabs;
}

} // namespace

TEST(WatchedItemsOrder, SoonestEndFirstThenUnknownEndsThenEndedOnes)
{
    const struct
    {
        const char *what;
        QList<WatchSummary> summaries;
        QList<int> order;
    } rows[] = {
        {"by time left", {summary(0, 3600), summary(1, 60), summary(2, 600)}, {1, 2, 0}},
        {"unknown ends after known ones, by tab", {summary(3), summary(1), summary(4, 9000)}, {4, 1, 3}},
        {"ended by status or by the clock, last", {summary(0, -5), summary(1, 30, "ended"), summary(2), summary(3, 5)},
         {3, 2, 0, 1}},
        {"same end: by tab", {summary(4, 60), summary(2, 60)}, {2, 4}},
        {"none", {}, {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(tabsInOrder(row.summaries), row.order) << row.what;
}

TEST(WatchedItemsOrder, CellsSayTheItemItsValuesTimeLeftAndAge)
{
    WatchSummary s = summary(2, 4 * 60 + 10);
    s.itemNumber = "123";
    s.title = "Old lamp";
    s.values = {"US $1,041.00", "3 bids"};
    s.lastDrawn = kNow.addSecs(-12);
    EXPECT_EQ(overviewCells(s, kNow),
              QStringList({"123", "Old lamp", "US $1,041.00 | 3 bids", "4m 10s", "12 s ago", "live"}));
    EXPECT_EQ(overviewHeaders().size(), kOverviewColumnCount);

    const struct
    {
        std::optional<qint64> secondsLeft;
        const char *status;
        const char *timeLeft;
    } ends[] = {{std::nullopt, "live", ""}, {0, "live", "Ended"}, {std::nullopt, "ended", "Ended"},
                {3 * 86400 + 4 * 3600, "paused", "3d 4h"}};
    for (const auto &end : ends)
        EXPECT_EQ(overviewCells(summary(0, end.secondsLeft, end.status), kNow)[int(OverviewColumn::TimeLeft)],
                  end.timeLeft);
}

TEST(WatchedItemsOrder, AgesInTheirLargestUnit)
{
    const std::pair<qint64, const char *> rows[] = {{0, "0 s ago"},      {59, "59 s ago"}, {60, "1 min ago"},
                                                    {3599, "59 min ago"}, {7300, "2 h ago"}, {-30, "0 s ago"}};
    for (const auto &[secondsAgo, text] : rows)
        EXPECT_EQ(ageText(kNow.addSecs(-secondsAgo), kNow), text) << secondsAgo;
    EXPECT_EQ(ageText(QDateTime(), kNow), "never");
}

TEST(WatchedItemsOrder, EndingSoonOrChangedRowsAreMarked)
{
    const struct
    {
        bool changed;
        bool endingSoon;
        RowMark mark;
    } rows[] = {{false, false, RowMark::None},
                {true, false, RowMark::Changed},
                {false, true, RowMark::EndingSoon},
                {true, true, RowMark::EndingSoon}};
    for (const auto &row : rows) {
        WatchSummary s;
        s.changed = row.changed;
        s.endingSoon = row.endingSoon;
        EXPECT_EQ(rowMark(s), row.mark) << row.changed << row.endingSoon;
    }
}

TEST(WatchedItemsOrder, HistoryListsEveryValueWithItsTime)
{
    WatchSummary s;
    s.histories = {{{"US $40.00", kNow.addDays(-1)}, {"US $41.00", kNow.addSecs(-90)}},
                   {},
                   {{"2 bids", kNow.addSecs(-30)}}};
    EXPECT_EQ(historyLines(s, kNow),
              QStringList({"30 Nov 10:00:00  US $40.00", "09:58:30  US $41.00", "", "09:59:30  2 bids"}));
    EXPECT_TRUE(historyLines(WatchSummary(), kNow).isEmpty());
}
