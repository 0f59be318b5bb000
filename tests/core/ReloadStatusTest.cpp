#include "app/core/ReloadStatus.h"

#include <gtest/gtest.h>

TEST(ReloadStatus, EachTimedRateSaysItsPeriodAndTimeLeft)
{
    const struct
    {
        int period;
        int remaining;
        const char *text;
    } rows[] = {
        {60000, 60000, "Reloads every minute; next in 1 min"},
        {45000, 44001, "Reloads every 45 seconds; next in 45 s"},
        {30000, 12000, "Reloads every 30 seconds; next in 12 s"},
        {15000, 0, "Reloads every 15 seconds; next in 0 s"},
        {60000, 61500, "Reloads every minute; next in 1 min"},
    };
    for (const auto &row : rows) {
        const ReloadStatus status = reloadStatus({true, row.period, row.remaining}, false, "300");
        EXPECT_EQ(status.tooltip, row.text);
        ASSERT_TRUE(status.fractionLeft);
        EXPECT_DOUBLE_EQ(*status.fractionLeft, double(std::min(row.remaining, row.period)) / row.period);
    }
}

TEST(ReloadStatus, FiveMinutesFollowsTheCountdown)
{
    // The tab's timer is enabled with period 0 and never fires.
    const ReloadStatus status = reloadStatus({true, 0, -1}, true, "220");
    EXPECT_EQ(status.tooltip, "Reloads with the 5-minute countdown when in front; next in 3 min 40 s");
    EXPECT_DOUBLE_EQ(*status.fractionLeft, 220.0 / 300);
    EXPECT_EQ(reloadStatus({true, 0, -1}, true, "60").tooltip,
              "Reloads with the 5-minute countdown when in front; next in 1 min");
}

TEST(ReloadStatus, OwnTimerWinsOverARunningCountdown)
{
    EXPECT_EQ(reloadStatus({true, 45000, 9000}, true, "120").tooltip, "Reloads every 45 seconds; next in 9 s");
}

TEST(ReloadStatus, NoRefreshAndUnknownRatesAreNotReloading)
{
    for (const ReloadTimerState &tab : {ReloadTimerState{false, 60000, -1}, ReloadTimerState{true, 0, -1}}) {
        const ReloadStatus status = reloadStatus(tab, false, "300");
        EXPECT_EQ(status.tooltip, "Not reloading");
        EXPECT_FALSE(status.fractionLeft);
    }
    // A count that is no number gives no figure rather than a wrong one.
    EXPECT_EQ(reloadStatus({true, 0, -1}, true, "abc").tooltip, "Not reloading");
}
