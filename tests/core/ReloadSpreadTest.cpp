#include "app/core/ReloadSpread.h"

#include <gtest/gtest.h>

TEST(ReloadSpread, FiveTabsAtOneRateAreSpreadEvenlyOverThePeriod)
{
    EXPECT_EQ(firstReloadWaitsMs({15000, 15000, 15000, 15000, 15000}),
              QList<int>({3000, 6000, 9000, 12000, 15000}));
    EXPECT_EQ(firstReloadWaitsMs({60000, 60000}), QList<int>({30000, 60000}));
}

TEST(ReloadSpread, ALoneTabWaitsItsWholePeriodAndSilentTabsWaitForNothing)
{
    EXPECT_EQ(firstReloadWaitsMs({0, 45000, 0, 0, 0}), QList<int>({0, 45000, 0, 0, 0}));
    EXPECT_EQ(firstReloadWaitsMs({0, 0, 0, 0, 0}), QList<int>({0, 0, 0, 0, 0}));
    EXPECT_EQ(firstReloadWaitsMs({}), QList<int>());
}

TEST(ReloadSpread, MixedRatesShareTheShortestPeriodAndNeverMeetLater)
{
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
