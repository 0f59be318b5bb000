#include "app/core/ReloadStatus.h"

#include "app/core/Countdown.h"

#include <QtGlobal>

namespace {

QString period(int seconds)
{
    if (seconds % 60 == 0)
        return seconds == 60 ? QStringLiteral("minute") : QStringLiteral("%1 minutes").arg(seconds / 60);
    return seconds == 1 ? QStringLiteral("second") : QStringLiteral("%1 seconds").arg(seconds);
}

QString duration(int seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    if (seconds % 60 == 0)
        return QStringLiteral("%1 min").arg(seconds / 60);
    return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

int wholeSecondsLeft(int ms)
{
    return (qMax(ms, 0) + 999) / 1000;
}

} // namespace

ReloadStatus reloadStatus(const ReloadTimerState &tab, bool countdownRunning, const QString &countdownText)
{
    if (tab.enabled && tab.periodMs > 0 && tab.remainingMs >= 0) {
        const int left = qMin(tab.remainingMs, tab.periodMs);
        return {QStringLiteral("Reloads every %1; next in %2")
                    .arg(period(tab.periodMs / 1000), duration(wholeSecondsLeft(left))),
                double(left) / tab.periodMs};
    }
    bool isNumber = false;
    const int count = countdownText.toInt(&isNumber);
    const int full = countdownStart().toInt();
    if (countdownRunning && isNumber && count > 0 && count <= full) {
        return {QStringLiteral("Reloads with the 5-minute countdown when in front; next in %1").arg(duration(count)),
                double(count) / full};
    }
    return {QStringLiteral("Not reloading"), std::nullopt};
}
