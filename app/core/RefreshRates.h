#pragma once

#include <QString>
#include <QStringList>

// One row of the refresh-rate table: the timer changes made before a tab is
// (re-)armed, and the period its reload timer gets.
struct RefreshRate
{
    bool startCountdown = false;   // start Timer6 first
    bool stopTabTimers = false;    // stop Timer1..Timer5
    bool stopCountdown = false;    // stop Timer6 after the tab timers
    int periodMs = 0;              // 0: the tab's timer stays silent
};

// The entries of the rate box, in the order they are offered.
QStringList refreshRateTexts();
QString defaultRefreshRateText();

// Exact, case-sensitive lookup; any other text gives the silent row.
RefreshRate lookupRefreshRate(const QString &text);
