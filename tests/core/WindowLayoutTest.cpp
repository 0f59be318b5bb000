#include "app/core/WindowLayout.h"
#include "platform/core/ScreenFit.h"

#include <gtest/gtest.h>

TEST(WindowLayout, TheStripAndViewsFillTheWindowAndASizeBelowZeroKeepsTheLastOne)
{
    using Size = std::optional<double>;
    // client width, outer size, last strip size: strip size, watch view width and height, services view height
    const std::tuple<double, Extent, Extent, Extent, Size, Size, Size> rows[] = {
        {9360, outerSizeForClient({9360, 5775}), {1, 1}, {9380, 5115}, 9130, 4565, 4165}, // as made
        // Outer width 300: the strip gets 200 but the views would get -50.
        {180, {300, 2000}, {5000, 4000}, {200, 650}, std::nullopt, 100, std::nullopt},
        // Below 100 wide and 1350 high the strip keeps its last size, and the views are sized from that.
        {0, {90, 1000}, {5000, 4000}, {5000, 4000}, 4750, 3450, 3050},
    };
    for (const auto &[clientWidth, outer, last, strip, watchWidth, watchHeight, servicesHeight] : rows) {
        const WindowLayout layout = layoutWindow(clientWidth, outer, last);
        EXPECT_EQ(layout.strip.width, strip.width) << clientWidth;
        EXPECT_EQ(layout.strip.height, strip.height) << clientWidth;
        EXPECT_EQ(layout.watchViewWidth, watchWidth) << clientWidth;
        EXPECT_EQ(layout.watchViewHeight, watchHeight) << clientWidth;
        EXPECT_EQ(layout.servicesViewHeight, servicesHeight) << clientWidth;
    }
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

TEST(ScreenFit, AWindowOpensWhollyOnTheScreenItOverlapsMost)
{
    const QList<QRect> screens = {{0, 0, 1400, 1000}, {1400, 0, 1920, 1080}};
    const std::tuple<QRect, QSize, QRect> rows[] = {
        // Closed at 1200x880 where it fitted, opened at twice the scale.
        {{-300, 200, 2400, 1760}, {}, {0, 0, 1400, 1000}},
        {{300, 200, 1200, 880}, {}, {200, 120, 1200, 880}},
        {{-50, -20, 400, 300}, {}, {0, 0, 400, 300}},
        {{3000, 500, 400, 300}, {}, {2920, 500, 400, 300}},        // mostly on the second screen
        {{5000, 5000, 400, 300}, {}, {1000, 700, 400, 300}},       // on none: the primary
        {{100, 100, 1300, 900}, {1500, 1100}, {0, 0, 1500, 1100}}, // too big to shrink: top left on it
        {{500, 400, 600, 500}, {}, {500, 400, 600, 500}},
    };
    for (const auto &[window, smallest, fitted] : rows)
        EXPECT_EQ(fitOnScreens(window, smallest, screens), fitted) << window.x() << "," << window.y();
}
