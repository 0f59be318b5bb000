#pragma once

#include <QDateTime>
#include <QString>

// What a browser view knows about its page beyond what it shows: when it was
// last drawn and why a reload did not happen or did not succeed.
struct PageHealth
{
    QDateTime lastDrawn; // invalid: not drawn since the view was made
    bool pausedForTyping = false;
    QString loadError;       // why the last load failed; empty: it did not
    QDateTime siteWaitUntil; // the site asked not to be reloaded before then
    int siteAskedWaitS = 0;  // how long it asked to wait, in seconds
    bool notResponding = false;
    QString pageMessage;              // what the page said in a dialog out of sight
    bool stoppedAfterCrashes = false; // its renderer died too often in a row; no timed reloads

    bool operator==(const PageHealth &other) const
    {
        return lastDrawn == other.lastDrawn && pausedForTyping == other.pausedForTyping && loadError == other.loadError
            && siteWaitUntil == other.siteWaitUntil && siteAskedWaitS == other.siteAskedWaitS
            && notResponding == other.notResponding && pageMessage == other.pageMessage
            && stoppedAfterCrashes == other.stoppedAfterCrashes;
    }
};

// How a tab's header shows its page's health at a glance.
enum class HealthTone {
    Fine,
    Held,    // a reload waits while the user types into the page
    Failing, // the site does not answer, the page does not respond, or it keeps crashing
};

inline HealthTone healthTone(const PageHealth &health)
{
    if (health.notResponding || !health.loadError.isEmpty() || health.stoppedAfterCrashes)
        return HealthTone::Failing;
    if (health.pausedForTyping)
        return HealthTone::Held;
    return HealthTone::Fine;
}
