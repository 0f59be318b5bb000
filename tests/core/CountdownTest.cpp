#include "app/core/Countdown.h"

#include <gtest/gtest.h>

TEST(Countdown, CountsDownAndAtZeroStartsOverAndReloadsTheFrontTab)
{
    EXPECT_EQ(countdownStart(), "300");
    const struct
    {
        const char *count, *next;
        bool reload;
    } rows[] = {{"300", "299", false}, {"2", "1", false}, {"1", "300", true},
                // A count that is no number stays and reloads nothing.
                {"", "", false}, {"abc", "abc", false}, {"1x", "1x", false}};
    for (const auto &row : rows) {
        const CountdownTick tick = countdownTick(QString::fromLatin1(row.count));
        EXPECT_EQ(tick.count, row.next) << row.count;
        EXPECT_EQ(tick.reloadFront, row.reload) << row.count;
    }
}
