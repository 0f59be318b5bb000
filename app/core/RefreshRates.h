#pragma once

#include <QString>
#include <QStringList>

// One row of the refresh-rate table: the timer changes made before a tab is
// (re-)armed, and the period its reload timer gets.
struct RefreshRate
{
    bool startCountdown = false; // start the five-minute countdown first
    bool stopTabTimers = false;  // stop the watch tabs' reload timers
    bool stopCountdown = false;  // stop the countdown after the tab timers
    int periodMs = 0;            // 0: the tab's timer stays silent
};

// The entries of the rate box, in the order they are offered.
QStringList refreshRateTexts();
QString defaultRefreshRateText();

// Exact, case-sensitive lookup; any other text gives the silent row.
RefreshRate lookupRefreshRate(const QString &text);

// The rate a tab watched now gets once the rate box is left: what it holds
// when that is an entry, else the rate in force, which the box goes back to.
// toolTip says why the box went back, if it did.
struct RateInForce
{
    QString text;
    QString toolTip;
};
RateInForce settleRateText(const QString &typed, const QString &inForce);
