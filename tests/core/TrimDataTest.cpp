#include "app/core/TrimData.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(TrimData, DropsTheCountedCharactersFromBothEnds)
{
    EXPECT_EQ(trim_data("Item 12345", 5, 0), "12345");
    EXPECT_EQ(trim_data("abcdef", 2, 3), "c");
    EXPECT_EQ(trim_data("Item 12 ", 5, 0), "12 ");
}

TEST(TrimData, GivesTheEmptyTextWhenNothingWouldRemain)
{
    EXPECT_EQ(trim_data("Item ", 5, 0), "");
    EXPECT_EQ(trim_data("abc", 2, 2), "");
    EXPECT_EQ(trim_data("", 0, 0), "");
}

TEST(TrimData, ReportsAnOverflowingSumAndNothingElse)
{
    EXPECT_THROW(trim_data("abc", 32767, 1), std::overflow_error);
    EXPECT_THROW(trim_data("abc", -32768, -1), std::overflow_error);
    EXPECT_NO_THROW(trim_data("abc", 32767, 0));
}
