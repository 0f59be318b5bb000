#include "app/core/RefreshRates.h"

#include <gtest/gtest.h>

TEST(RefreshRates, EachTextGivesItsTimerChangesAndPeriodComparedExactly)
{
    EXPECT_EQ(refreshRateTexts(), QStringList({"1 Minute", "5 Minutes", "45 Seconds", "30 Seconds", "15 Seconds",
                                               "No Refresh"}));
    EXPECT_EQ(defaultRefreshRateText(), "1 Minute");
    const struct
    {
        const char *text;
        int period;
        bool startCountdown, stopTabTimers, stopCountdown;
    } rows[] = {
        {"1 Minute", 60000, false, false, false},   {"45 Seconds", 45000, false, false, false},
        {"30 Seconds", 30000, false, false, false}, {"15 Seconds", 15000, false, false, false},
        {"5 Minutes", 0, true, true, false},        {"No Refresh", 0, false, true, true},
        {"", 0, false, false, false},               {"1 minute", 0, false, false, false},
        {" 1 Minute", 0, false, false, false},      {"1 Minute ", 0, false, false, false},
        {"no refresh", 0, false, false, false},
    };
    for (const auto &row : rows) {
        const RefreshRate rate = lookupRefreshRate(QString::fromLatin1(row.text));
        EXPECT_EQ(rate.periodMs, row.period) << row.text;
        EXPECT_EQ(rate.startCountdown, row.startCountdown) << row.text;
        EXPECT_EQ(rate.stopTabTimers, row.stopTabTimers) << row.text;
        EXPECT_EQ(rate.stopCountdown, row.stopCountdown) << row.text;
    }
}
