#include "app/core/WindowLayout.h"

#include <gtest/gtest.h>

TEST(WindowLayout, WindowOfCreationSizeGivesTheKnownSizes)
{
    const WindowLayout layout = layoutWindow(9360, outerSizeForClient({9360, 5775}), {1, 1});
    EXPECT_EQ(layout.barWidth, 9360);
    EXPECT_EQ(layout.strip.width, 9380);
    EXPECT_EQ(layout.strip.height, 5115);
    EXPECT_EQ(layout.watchViewWidth, 9130);
    EXPECT_EQ(layout.watchViewHeight, 4565);
    EXPECT_EQ(layout.servicesViewWidth, 9130);
    EXPECT_EQ(layout.servicesViewHeight, 4165);
}

TEST(WindowLayout, StripEndsAtTheBottomOfTheClientAreaWhateverItsSize)
{
    for (double height : {700.0, 5775.0, 15000.0}) {
        const WindowLayout layout = layoutWindow(9360, outerSizeForClient({9360, height}), {});
        EXPECT_EQ(660 + layout.strip.height, height);
    }
}

TEST(WindowLayout, GrowthOfTheWindowGrowsTheStripAndViewsAlike)
{
    const WindowLayout small = layoutWindow(9360, outerSizeForClient({9360, 5775}), {});
    const WindowLayout large = layoutWindow(19200, outerSizeForClient({19200, 14000}), {});
    EXPECT_EQ(large.strip.width - small.strip.width, 19200 - 9360);
    EXPECT_EQ(*large.watchViewHeight - *small.watchViewHeight, 14000 - 5775);
    EXPECT_EQ(*large.servicesViewWidth - *small.servicesViewWidth, 19200 - 9360);
}

TEST(WindowLayout, NegativeSizesKeepTheLastSize)
{
    // Outer width 300: the strip gets 200 but the views would get -50.
    WindowLayout layout = layoutWindow(180, {300, 2000}, {5000, 4000});
    EXPECT_EQ(layout.barWidth, 180);
    EXPECT_EQ(layout.strip.width, 200);
    EXPECT_FALSE(layout.watchViewWidth.has_value());
    EXPECT_FALSE(layout.servicesViewWidth.has_value());
    EXPECT_EQ(layout.strip.height, 650);
    EXPECT_EQ(layout.watchViewHeight, 100);
    EXPECT_FALSE(layout.servicesViewHeight.has_value());

    // Below 100 wide and 1350 high the strip keeps its last size, and the
    // views are sized from that.
    layout = layoutWindow(0, {90, 1000}, {5000, 4000});
    EXPECT_EQ(layout.strip.width, 5000);
    EXPECT_EQ(layout.strip.height, 4000);
    EXPECT_EQ(layout.watchViewWidth, 4750);
    EXPECT_EQ(layout.servicesViewHeight, 3050);
}
