#include "app/core/WindowLayout.h"

#include <gtest/gtest.h>

TEST(WindowLayout, AWindowOfCreationSizeGivesTheKnownSizes)
{
    const WindowLayout layout = layoutWindow(9360, outerSizeForClient({9360, 5775}), {1, 1});
    EXPECT_EQ(layout.strip.width, 9380);
    EXPECT_EQ(layout.strip.height, 5115);
    EXPECT_EQ(layout.watchViewWidth, 9130);
    EXPECT_EQ(layout.watchViewHeight, 4565);
    EXPECT_EQ(layout.servicesViewHeight, 4165);
}

TEST(WindowLayout, NegativeSizesKeepTheLastSize)
{
    // Outer width 300: the strip gets 200 but the views would get -50.
    WindowLayout layout = layoutWindow(180, {300, 2000}, {5000, 4000});
    EXPECT_EQ(layout.strip.width, 200);
    EXPECT_FALSE(layout.watchViewWidth.has_value());
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

TEST(WindowLayout, ANarrowWindowWrapsTheTopRowKeepingALabelWithItsBox)
{
    const std::vector<RowControl> row = {{80, 520}, {2900, 1200}, {4190, 495, true}, {4690, 1095}, {5880, 520}};
    const std::tuple<double, std::vector<double>, std::vector<int>> cases[] = {
        {9360, {80, 2900, 4190, 4690, 5880}, {0, 0, 0, 0, 0}},
        {5000, {80, 2900, 80, 580, 1770}, {0, 0, 1, 1, 1}},
        {1000, {80, 80, 80, 580, 80}, {0, 1, 2, 2, 3}},
    };
    for (const auto &[width, expectedLefts, expectedRows] : cases) {
        std::vector<double> lefts;
        std::vector<int> rows;
        for (const RowPlace &place : wrapTopRow(row, width)) {
            lefts.push_back(place.left);
            rows.push_back(place.row);
        }
        EXPECT_EQ(lefts, expectedLefts) << width;
        EXPECT_EQ(rows, expectedRows) << width;
    }
    const WindowLayout wrapped = layoutWindow(6000, outerSizeForClient({6000, 5775}), {}, 1);
    EXPECT_EQ(wrapped.stripTop + wrapped.strip.height, 5775);
    EXPECT_EQ(wrapped.lowerBarTop, 1040);
}
