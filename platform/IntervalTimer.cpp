#include "platform/IntervalTimer.h"

#include <QtGlobal>

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent)
{
    // A started timer waits its full period from that moment, not a rounded one.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::tick);
}

void IntervalTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    rearm();
}

void IntervalTimer::setInterval(int ms)
{
    m_interval = qBound(0, ms, 65535);
    rearm();
}

void IntervalTimer::setFirstWait(int ms)
{
    m_timer.stop();
    if (m_enabled)
        m_timer.start(qMax(0, ms));
}

void IntervalTimer::tick()
{
    // After a first wait of its own the timer goes back to its period.
    if (m_timer.interval() != m_interval)
        rearm();
    emit timeout();
}

int IntervalTimer::remainingTime() const
{
    return m_timer.isActive() ? m_timer.remainingTime() : -1;
}

void IntervalTimer::rearm()
{
    m_timer.stop();
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
}
