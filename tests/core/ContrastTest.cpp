#include "platform/core/Contrast.h"

#include <gtest/gtest.h>

TEST(Contrast, LuminanceAndRatioAsWcagGivesThem)
{
    EXPECT_DOUBLE_EQ(relativeLuminance({0, 0, 0}), 0);
    EXPECT_DOUBLE_EQ(relativeLuminance({255, 255, 255}), 1);
    EXPECT_NEAR(relativeLuminance({128, 128, 128}), 0.2159, 1e-4);
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21);
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21);
    EXPECT_DOUBLE_EQ(contrastRatio({9, 9, 9}, {9, 9, 9}), 1);
}

TEST(Contrast, LabelColourReadsOnEveryWindowColour)
{
    struct Row
    {
        Rgb window, label;
    };
    const Row rows[] = {
        {{240, 240, 240}, {0, 0, 192}},      // the light default: dark blue as always
        {{255, 255, 255}, {0, 0, 192}},
        {{49, 54, 59}, {140, 170, 255}},     // a dark theme
        {{0, 0, 0}, {140, 170, 255}},
        {{0, 0, 192}, {140, 170, 255}},
        {{90, 90, 90}, {255, 255, 255}},     // neither blue reads
        {{128, 128, 128}, {0, 0, 0}},
    };
    for (const Row &row : rows) {
        const Rgb label = labelColourOn(row.window);
        EXPECT_EQ(label, row.label) << row.window.red << "," << row.window.green << "," << row.window.blue;
        EXPECT_GE(contrastRatio(label, row.window), kMinimumContrast);
    }
}
