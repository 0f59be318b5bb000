#pragma once

#include <QString>

// The main window's stored state: 0 normal, 1 minimised, 2 maximised.
enum class WinState {
    Normal = 0,
    Minimised = 1,
    Maximised = 2
};

// The stored text rounded to the nearest whole number. Anything that is not a
// number, or rounds to no known state, opens the window normally: a damaged
// value must not cost the user the start-up.
WinState winStateFromText(const QString &text);
QString winStateToText(WinState state);
