#pragma once

#include "platform/core/PageHealth.h"

#include <QString>
#include <optional>

// What a watch tab's header says about its next reload, read off the timers.
struct ReloadTimerState
{
    bool enabled = false;
    int periodMs = 0;
    int remainingMs = -1; // -1: not running
};

struct ReloadStatus
{
    QString tooltip;
    std::optional<double> fractionLeft; // of the period still to wait; none: no bar
    HealthTone tone = HealthTone::Fine;
    bool reloads = false; // by its own timer or the countdown, without the user
};

// tab: the tab's own reload timer; countdownRunning and countdownS: the
// five-minute countdown and its count of seconds left; health: what the view
// says of its page, read at now. A reload that did not happen, or did not
// succeed, is said so beside the time the page was last drawn; so is a wait
// the site asked for. A tab that will not reload by itself is held, as one
// that waits for the user is.
ReloadStatus reloadStatus(const ReloadTimerState &tab, bool countdownRunning, int countdownS,
                          const PageHealth &health = {}, const QDateTime &now = {});

// One word for an overview of the watched items: "ended", "stopped", "not
// responding", "not answering", "paused", "not reloading", "changed" or "live",
// the first that holds; reloads as the tab's status says.
QString watchStatus(const PageHealth &health, bool ended, bool reloads, bool changed);

// A page that is not watched: its header tells only what the page said, if
// anything, and that it stopped after crashes.
ReloadStatus pageMessageStatus(const PageHealth &health);
