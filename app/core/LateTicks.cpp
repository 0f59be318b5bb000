#include "app/core/LateTicks.h"

bool LateTicks::late(const QDateTime &now, int intervalMs)
{
    const bool late = m_previous.isValid() && m_previous.msecsTo(now) > intervalMs + kLateByMs;
    m_previous = now;
    return late;
}
