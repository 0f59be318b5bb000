#pragma once

#include <QDateTime>

// Tells once when a tab reloading on its timer has not drawn its page for
// max(3 periods, 2 minutes), and once more when it draws it again.
class OutageWatch
{
public:
    enum class News {
        None,
        Down,
        Back
    };

    // lastDrawn: when the page was last drawn; reloadingSince: when the tab
    // began to reload at its period (0: not on a timer); heldByUser: a reload
    // waits for the user, which is no outage.
    News check(const QDateTime &lastDrawn, const QDateTime &reloadingSince, int periodMs, bool heldByUser,
               const QDateTime &now);
    void reset() { m_down = false; }

private:
    bool m_down = false;
    QDateTime m_drawnBefore; // the last drawing before the outage
};

qint64 outageAfterMs(int periodMs);
// Since when the page has gone undrawn, counted from the arming for a page drawn before it.
QDateTime undrawnSince(const QDateTime &lastDrawn, const QDateTime &reloadingSince);
