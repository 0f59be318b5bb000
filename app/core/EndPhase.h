#pragma once

#include <QDateTime>
#include <QList>
#include <QtGlobal>
#include <optional>

// Decides what a watch tab's reload timer does as its auction's end comes near.
//
// Before the lead window the tab reloads at its own rate, but never sleeps past
// the window's start (a tab at "No Refresh" sleeps until then). Inside the
// window it reloads every 10 s, and in the last minute every 5 s, whatever its
// rate; the waits at its rate and the window's 10 s are spread (spreadWaitMs),
// the last minute's steps are exact. One reload comes 2 s after the end, so
// the page shows the final state, and no other after it; once a page loaded
// then or later has been read, the tab stops: "Ended", and stays so.
//
// "Ending soon" is due once, on the first plan inside the window before the
// end, whether the tab crossed into it or was first read there; an end already
// past when first read gives no notification.
enum class EndPhase {
    Normal,
    EndingSoon,
    LastMinute,
    AfterEnd,
    Ended
};

// The menu's choices of the lead window, in minutes.
QList<int> endingSoonLeadChoices();
constexpr int kDefaultEndingSoonLeadMinutes = 5;

struct TabTiming
{
    QDateTime now;
    std::optional<QDateTime> end; // none while the tab's end is not known
    QDateTime lastLoad;           // when the page last read was loaded; invalid before the first
    int periodMs = 0;             // the tab's own rate; 0: no timed reload
    int leadMinutes = kDefaultEndingSoonLeadMinutes;
    EndPhase before = EndPhase::Normal; // the phase of the tab's previous plan
    double draw = 0;                    // where in their spread the waits fall, in [-1, 1]
};

struct ReloadPlan
{
    EndPhase phase = EndPhase::Normal;
    std::optional<int> waitMs; // from now to the next timed reload; none: no timed reload
    bool notifyEndingSoon = false;
    // The period kept until the next plan inside the window: 10 s, or the
    // last minute's step; none: the tab's own rate, or as it was after the end.
    std::optional<int> paceMs;
};

// Asked after each load of the tab and whenever its rate, lead or end changes.
ReloadPlan planReload(const TabTiming &timing);

// The wait after a reload that the tab's own timer, of period periodMs above
// 0, asked for at now: none once the end has passed, since that reload is the
// last; else the period, spread by draw outside the last minute.
std::optional<int> waitAfterTimedReload(EndPhase phase, const std::optional<QDateTime> &end, const QDateTime &now,
                                        int periodMs, double draw);

// How long typed text holds a reload: ten seconds in the auction's last ten
// minutes, so the final price is seen; else the view's own two minutes.
// msToEnd: to the auction's end, none while it is not known.
qint64 typingHoldMs(const std::optional<qint64> &msToEnd);
