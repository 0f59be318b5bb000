#include "platform/core/CrashBackoff.h"

#include <gtest/gtest.h>
#include <vector>

TEST(CrashBackoff, DoublesFromOneSecondAndStaysAtAMinute)
{
    CrashBackoff backoff;
    std::vector<int> waits;
    for (int i = 0; i < 9; ++i)
        waits.push_back(backoff.nextWaitMs());
    EXPECT_EQ(waits, (std::vector<int>{1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000, 60000}));
}

TEST(CrashBackoff, ALoadedPageStartsOverAtOneSecond)
{
    CrashBackoff backoff;
    for (int i = 0; i < 20; ++i)
        backoff.nextWaitMs();
    backoff.pageLoaded();
    EXPECT_EQ(backoff.nextWaitMs(), 1000);
    EXPECT_EQ(backoff.nextWaitMs(), 2000);
}
