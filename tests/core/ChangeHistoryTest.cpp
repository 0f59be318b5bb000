#include "app/core/ChangeHistory.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kStart(QDate(2026, 12, 8), QTime(14, 0), Qt::UTC);

QDateTime at(int seconds) { return kStart.addSecs(seconds); }

} // namespace

TEST(ChangeHistory, KeepsTheFirstValueAndEachChangeOnceWithItsTime)
{
    ChangeHistory history;
    EXPECT_FALSE(history.record("US $180.00", at(0)));
    EXPECT_FALSE(history.record("US $180.00", at(10)));
    EXPECT_TRUE(history.record("US $185.00", at(20)));
    EXPECT_FALSE(history.record("US $185.00", at(30)));
    EXPECT_TRUE(history.record("US $180.00", at(40)));
    const QList<ChangeHistory::Entry> expected = {
        {"US $180.00", at(0)}, {"US $185.00", at(20)}, {"US $180.00", at(40)}};
    EXPECT_EQ(history.entries(), expected);
    EXPECT_EQ(history.lastFew(2), expected.mid(1));
    EXPECT_EQ(history.lastFew(10), expected);
    EXPECT_TRUE(history.lastFew(0).isEmpty());
    EXPECT_TRUE(history.lastFew(-1).isEmpty());
    const QString time = at(40).toLocalTime().toString("HH:mm:ss");
    EXPECT_EQ(recentChanges(history, 1), "Changes: US $180.00 at " + time);
    ChangeHistory unchanged;
    unchanged.record("US $180.00", at(0));
    EXPECT_TRUE(recentChanges(unchanged, 3).isEmpty());
}

TEST(ChangeHistory, KeepsOnlyTheLastTwentyNewestLast)
{
    ChangeHistory history;
    for (int i = 0; i < 25; ++i)
        history.record(QString::number(i), at(i));
    ASSERT_EQ(history.entries().size(), ChangeHistory::kKept);
    EXPECT_EQ(history.entries().first(), (ChangeHistory::Entry{"5", at(5)}));
    EXPECT_EQ(history.lastFew(1).first(), (ChangeHistory::Entry{"24", at(24)}));
    EXPECT_TRUE(history.record("25", at(25)));
}
