#pragma once

#include <QObject>
#include <QTimer>

// A reload timer: an enabled flag and a period of 0..65535 ms. It fires only
// while enabled with a period above 0; enabling it, or changing the period of
// an enabled timer, waits one full period before the first tick.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_interval; }
    void setInterval(int ms);
    // Milliseconds to the next tick, or -1 when it will not fire.
    int remainingTime() const;
    bool isRunning() const { return m_timer.isActive(); }
    // Starts the wait over for an enabled timer: the next tick comes after ms,
    // the later ones a period apart (none with a period of 0), so timers armed
    // together need not tick together.
    void setFirstWait(int ms);

signals:
    void timeout();

private:
    void tick();
    void rearm();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 0;
};
