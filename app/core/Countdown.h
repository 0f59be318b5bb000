#pragma once

#include <QString>

// The five-minute countdown: one tick a second on the count of seconds left.
inline QString countdownStart() { return QStringLiteral("300"); }
// The time from one reload by the countdown to the next.
constexpr int kCountdownPeriodMs = 300 * 1000;

struct CountdownTick
{
    QString count;          // the count after the tick
    bool reloadFront = false;
};

// A count that is no number stays as it is and reloads nothing; one that
// reaches "0" starts again at "300" and reloads the tab in front.
CountdownTick countdownTick(const QString &count);
