#pragma once

#include <QDateTime>
#include <QList>
#include <optional>

// Decides what a watch tab's reload timer does as its auction's end comes near.
//
// Before the lead window the tab reloads at its own rate, but never sleeps past
// the window's start (a tab at "No Refresh" sleeps until then). Inside the
// window it reloads every 10 s, and in the last minute every 5 s, whatever its
// rate. One reload comes 2 s after the end, so the page shows the final state;
// once a page loaded then or later has been read, the tab stops: "Ended".
//
// "Ending soon" is due once, on the first plan inside the window before the
// end, whether the tab crossed into it or was first read there; an end already
// past when first read gives no notification.
enum class EndPhase { Normal, EndingSoon, LastMinute, AfterEnd, Ended };

// The menu's choices of the lead window, in minutes.
QList<int> endingSoonLeadChoices();
constexpr int kDefaultEndingSoonLeadMinutes = 5;

struct TabTiming
{
    QDateTime now;
    std::optional<QDateTime> end;   // none while the tab's end is not known
    QDateTime lastLoad;             // when the page last read was loaded; invalid before the first
    int periodMs = 0;               // the tab's own rate; 0: no timed reload
    int leadMinutes = kDefaultEndingSoonLeadMinutes;
    EndPhase before = EndPhase::Normal; // the phase of the tab's previous plan
};

struct ReloadPlan
{
    EndPhase phase = EndPhase::Normal;
    std::optional<int> waitMs;      // from now to the next timed reload; none: no timed reload
    bool notifyEndingSoon = false;
};

// Asked after each load of the tab and whenever its rate, lead or end changes.
ReloadPlan planReload(const TabTiming &timing);
