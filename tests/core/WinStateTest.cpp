#include "app/core/WinState.h"

#include <gtest/gtest.h>

TEST(WinState, ReadsTheThreeStatesRoundedAnythingElseIsNormalAndWritesDecimal)
{
    // "2", "7" and "abc", and storing "2" and "0", are pinned by the start-up and shutdown window
    // test and the end-to-end window state test.
    const std::pair<const char *, WinState> rows[] = {
        {"0", WinState::Normal},      {"1", WinState::Minimised}, {"1.4", WinState::Minimised},
        {"1.6", WinState::Maximised}, {"", WinState::Normal},     {"-1", WinState::Normal},
        {"2x", WinState::Normal},     {"nan", WinState::Normal},  {"inf", WinState::Normal},
        {"3.2", WinState::Normal}};
    for (const auto &[text, state] : rows)
        EXPECT_EQ(winStateFromText(QString::fromLatin1(text)), state) << text;
    EXPECT_EQ(winStateToText(WinState::Minimised), "1");
}
