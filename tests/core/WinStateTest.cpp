#include "app/core/WinState.h"

#include <gtest/gtest.h>

TEST(WinState, ReadsTheThreeStatesRoundedToTheNearest)
{
    EXPECT_EQ(winStateFromText("0"), WinState::Normal);
    EXPECT_EQ(winStateFromText("1"), WinState::Minimised);
    EXPECT_EQ(winStateFromText("2"), WinState::Maximised);
    EXPECT_EQ(winStateFromText("1.4"), WinState::Minimised);
    EXPECT_EQ(winStateFromText("1.6"), WinState::Maximised);
}

TEST(WinState, AnythingElseOpensNormally)
{
    for (const char *text : {"", "7", "-1", "abc", "2x", "nan", "inf", "3.2"})
        EXPECT_EQ(winStateFromText(QString::fromLatin1(text)), WinState::Normal) << text;
}

TEST(WinState, WritesDecimalText)
{
    EXPECT_EQ(winStateToText(WinState::Normal), "0");
    EXPECT_EQ(winStateToText(WinState::Minimised), "1");
    EXPECT_EQ(winStateToText(WinState::Maximised), "2");
}
