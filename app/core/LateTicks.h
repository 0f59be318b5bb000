#pragma once

#include <QDateTime>

// A tick of a short timer that comes far later than planned: the machine
// slept or the program was stopped, and every timer's plan is out of date.
class LateTicks
{
public:
    static constexpr qint64 kLateByMs = 10000;
    // True when this tick comes more than kLateByMs after the one planned
    // intervalMs after the previous tick.
    bool late(const QDateTime &now, int intervalMs);

private:
    QDateTime m_previous;
};
