#include "app/core/RefreshRates.h"

#include <gtest/gtest.h>

TEST(RefreshRates, OffersTheSixRatesInOrderWithOneMinuteFirst)
{
    EXPECT_EQ(refreshRateTexts(), QStringList({"1 Minute", "5 Minutes", "45 Seconds", "30 Seconds", "15 Seconds",
                                               "No Refresh"}));
    EXPECT_EQ(defaultRefreshRateText(), "1 Minute");
}

TEST(RefreshRates, TimedRatesTouchNoTimerAndGiveTheirPeriod)
{
    const std::pair<const char *, int> rows[] = {
        {"1 Minute", 60000}, {"45 Seconds", 45000}, {"30 Seconds", 30000}, {"15 Seconds", 15000}};
    for (const auto &[text, period] : rows) {
        const RefreshRate rate = lookupRefreshRate(QString::fromLatin1(text));
        EXPECT_EQ(rate.periodMs, period) << text;
        EXPECT_FALSE(rate.startCountdown || rate.stopTabTimers || rate.stopCountdown) << text;
    }
}

TEST(RefreshRates, FiveMinutesStartsTheCountdownAndSilencesTheTabs)
{
    const RefreshRate rate = lookupRefreshRate("5 Minutes");
    EXPECT_TRUE(rate.startCountdown);
    EXPECT_TRUE(rate.stopTabTimers);
    EXPECT_FALSE(rate.stopCountdown);
    EXPECT_EQ(rate.periodMs, 0);
}

TEST(RefreshRates, NoRefreshStopsEverything)
{
    const RefreshRate rate = lookupRefreshRate("No Refresh");
    EXPECT_FALSE(rate.startCountdown);
    EXPECT_TRUE(rate.stopTabTimers);
    EXPECT_TRUE(rate.stopCountdown);
    EXPECT_EQ(rate.periodMs, 0);
}

TEST(RefreshRates, AnyOtherTextIsSilentAndTouchesNothing)
{
    for (const char *text : {"", "1 minute", " 1 Minute", "1 Minute ", "2 Minutes", "no refresh"}) {
        const RefreshRate rate = lookupRefreshRate(QString::fromLatin1(text));
        EXPECT_EQ(rate.periodMs, 0) << text;
        EXPECT_FALSE(rate.startCountdown || rate.stopTabTimers || rate.stopCountdown) << text;
    }
}
