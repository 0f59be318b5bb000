#pragma once

#include <QString>
#include <optional>

// What a watch tab's header says about its next reload, read off the timers.
struct ReloadTimerState
{
    bool enabled = false;
    int periodMs = 0;
    int remainingMs = -1;   // -1: not running
};

struct ReloadStatus
{
    QString tooltip;
    std::optional<double> fractionLeft;   // of the period still to wait; none: no bar
};

// tab: the tab's own reload timer; countdownRunning and countdownText: the
// five-minute countdown and its count of seconds left.
ReloadStatus reloadStatus(const ReloadTimerState &tab, bool countdownRunning, const QString &countdownText);
