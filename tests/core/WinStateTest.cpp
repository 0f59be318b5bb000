#include "app/core/WinState.h"

#include <gtest/gtest.h>

TEST(WinState, ReadsTheThreeStatesRoundedAnythingElseIsNormalAndWritesDecimal)
{
    const std::pair<const char *, WinState> rows[] = {
        {"0", WinState::Normal},    {"1", WinState::Minimised},   {"2", WinState::Maximised},
        {"1.4", WinState::Minimised}, {"1.6", WinState::Maximised}, {"", WinState::Normal},
        {"7", WinState::Normal},    {"-1", WinState::Normal},     {"abc", WinState::Normal},
        {"2x", WinState::Normal},   {"nan", WinState::Normal},    {"inf", WinState::Normal},
        {"3.2", WinState::Normal}};
    for (const auto &[text, state] : rows)
        EXPECT_EQ(winStateFromText(QString::fromLatin1(text)), state) << text;
    EXPECT_EQ(winStateToText(WinState::Normal), "0");
    EXPECT_EQ(winStateToText(WinState::Minimised), "1");
    EXPECT_EQ(winStateToText(WinState::Maximised), "2");
}
