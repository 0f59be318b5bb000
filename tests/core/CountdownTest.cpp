#include "app/core/Countdown.h"

#include <gtest/gtest.h>

TEST(Countdown, CountsDownOneASecond)
{
    EXPECT_EQ(countdownStart(), "300");
    const CountdownTick tick = countdownTick("300");
    EXPECT_EQ(tick.count, "299");
    EXPECT_FALSE(tick.reloadFront);
    EXPECT_EQ(countdownTick("2").count, "1");
}

TEST(Countdown, ReachingZeroStartsOverAndReloadsInTheSameTick)
{
    const CountdownTick tick = countdownTick("1");
    EXPECT_EQ(tick.count, "300");
    EXPECT_TRUE(tick.reloadFront);
}

TEST(Countdown, ACountThatIsNoNumberStaysAndReloadsNothing)
{
    for (const char *text : {"", "abc", "1x"}) {
        const CountdownTick tick = countdownTick(QString::fromLatin1(text));
        EXPECT_EQ(tick.count, text);
        EXPECT_FALSE(tick.reloadFront);
    }
}
