#include "app/core/Countdown.h"

CountdownTick countdownTick(const QString &count)
{
    bool ok = false;
    const int seconds = count.toInt(&ok);
    if (!ok)
        return {count, false};
    const QString next = QString::number(seconds - 1);
    if (next == QLatin1String("0"))
        return {countdownStart(), true};
    return {next, false};
}
