#include "app/core/Outage.h"

#include <algorithm>

qint64 outageAfterMs(int periodMs)
{
    return std::max<qint64>(3 * qint64(periodMs), 120000);
}

QDateTime undrawnSince(const QDateTime &lastDrawn, const QDateTime &reloadingSince)
{
    return lastDrawn.isValid() ? std::max(lastDrawn, reloadingSince) : reloadingSince;
}

OutageWatch::News OutageWatch::check(const QDateTime &lastDrawn, const QDateTime &reloadingSince, int periodMs,
                                     bool heldByUser, const QDateTime &now)
{
    if (m_down) {
        if (!lastDrawn.isValid() || lastDrawn == m_drawnBefore)
            return News::None;
        m_down = false;
        return News::Back;
    }
    if (periodMs <= 0 || heldByUser || !reloadingSince.isValid())
        return News::None;
    if (undrawnSince(lastDrawn, reloadingSince).msecsTo(now) < outageAfterMs(periodMs))
        return News::None;
    m_down = true;
    m_drawnBefore = lastDrawn;
    return News::Down;
}
