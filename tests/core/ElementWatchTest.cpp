#include "app/core/ElementWatch.h"

#include <gtest/gtest.h>

TEST(ElementWatch, ReportsAChangeOnceWithBothTexts)
{
    ElementWatch watch("US $41.00");
    EXPECT_FALSE(watch.observe(QString("US $41.00")));
    const auto change = watch.observe(QString("US $45.00"));
    ASSERT_TRUE(change);
    EXPECT_EQ(alertMessage("Item 123", *change), "Item 123: 'US $41.00' is now 'US $45.00'");
    EXPECT_FALSE(watch.observe(QString("US $45.00")));
}

TEST(ElementWatch, AGoneElementCountsOnceThenWaitsForItToComeBack)
{
    ElementWatch watch("3 bids");
    const auto gone = watch.observe(std::nullopt);
    ASSERT_TRUE(gone);
    EXPECT_EQ(alertMessage("Item 7", *gone), "Item 7: '3 bids' is gone");
    EXPECT_FALSE(watch.observe(std::nullopt));
    EXPECT_FALSE(watch.observe(QString("3 bids")));   // back as it was: nothing to tell
    EXPECT_TRUE(watch.observe(std::nullopt));         // gone again counts again
    const auto back = watch.observe(QString("4 bids"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->before, "3 bids");
    EXPECT_EQ(back->after, "4 bids");
}

TEST(ElementWatch, LongTextsAreShortenedInTheMessageOnly)
{
    const QString longText(200, 'x');
    ElementWatch watch(longText);
    EXPECT_FALSE(watch.observe(longText));
    const auto change = watch.observe(QString("short"));
    ASSERT_TRUE(change);
    EXPECT_EQ(change->before, longText);
    EXPECT_LT(alertMessage("Item 1", *change).size(), 100);
}
