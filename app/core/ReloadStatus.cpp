#include "app/core/ReloadStatus.h"

#include "app/core/Countdown.h"
#include "platform/core/CrashBackoff.h"

#include <QStringList>
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

ReloadStatus timerStatus(const ReloadTimerState &tab, bool countdownRunning, int countdownS)
{
    if (tab.enabled && tab.periodMs > 0 && tab.remainingMs >= 0) {
        const int left = qMin(tab.remainingMs, tab.periodMs);
        return {QStringLiteral("Reloads every %1; next in %2")
                    .arg(period(tab.periodMs / 1000), duration(wholeSecondsLeft(left))),
                double(left) / tab.periodMs, HealthTone::Fine, true};
    }
    if (countdownRunning && countdownS > 0 && countdownS <= kCountdownStartS) {
        return {
            QStringLiteral("Reloads with the 5-minute countdown when in front; next in %1").arg(duration(countdownS)),
            double(countdownS) / kCountdownStartS, HealthTone::Fine, true};
    }
    // A tab of no timed rate still reloads as its auction's end nears.
    if (tab.enabled && tab.remainingMs >= 0)
        return {QStringLiteral("Next reload in %1").arg(duration(wholeSecondsLeft(tab.remainingMs))), std::nullopt,
                HealthTone::Fine, true};
    return {QStringLiteral("Not reloading"), std::nullopt};
}

QString pageMessageLine(const PageHealth &health)
{
    return QStringLiteral("The page said: %1").arg(health.pageMessage);
}

QString stoppedLine()
{
    return QStringLiteral("Stopped: the page crashed %1 times in a row; Refresh Current Tab (F5) starts it again")
        .arg(CrashBackoff::kCrashesToGiveUp);
}

QStringList healthLines(const PageHealth &health, const QDateTime &now)
{
    QStringList lines;
    if (health.stoppedAfterCrashes)
        lines << stoppedLine();
    if (health.pausedForTyping)
        lines << QStringLiteral("Paused while you type into the page");
    if (health.notResponding)
        lines << QStringLiteral("Page not responding");
    if (!health.loadError.isEmpty()) {
        lines << (health.lastDrawn.isValid()
                      ? QStringLiteral("Not updated since %1 (%2)")
                            .arg(health.lastDrawn.toString(QStringLiteral("HH:mm")), health.loadError)
                      : QStringLiteral("Not updated yet (%1)").arg(health.loadError));
    } else if (health.lastDrawn.isValid()) {
        const qint64 age = qMax<qint64>(0, health.lastDrawn.secsTo(now));
        lines << QStringLiteral("Last drawn at %1, %2 ago")
                     .arg(health.lastDrawn.toString(QStringLiteral("HH:mm:ss")),
                          duration(int(qMin<qint64>(age, 1 << 30))));
    }
    if (health.siteWaitUntil.isValid() && now < health.siteWaitUntil)
        lines << QStringLiteral("The site asked to wait %1 s").arg(health.siteAskedWaitS);
    if (!health.pageMessage.isEmpty())
        lines << pageMessageLine(health);
    return lines;
}

} // namespace

ReloadStatus reloadStatus(const ReloadTimerState &tab, bool countdownRunning, int countdownS, const PageHealth &health,
                          const QDateTime &now)
{
    // A page that kept crashing is reloaded by no timer until the user asks.
    const bool stopped = health.stoppedAfterCrashes;
    ReloadStatus status = timerStatus(stopped ? ReloadTimerState{} : tab, countdownRunning && !stopped, countdownS);
    const QStringList lines = healthLines(health, now);
    if (!lines.isEmpty())
        status.tooltip += QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    status.tone = healthTone(health);
    if (!status.reloads && status.tone == HealthTone::Fine)
        status.tone = HealthTone::Held;
    return status;
}

ReloadStatus pageMessageStatus(const PageHealth &health)
{
    QStringList lines;
    // The countdown reloads even an unwatched page in front, until it kept crashing.
    if (health.stoppedAfterCrashes)
        lines << stoppedLine();
    if (!health.pageMessage.isEmpty())
        lines << pageMessageLine(health);
    ReloadStatus status;
    status.tooltip = lines.join(QLatin1Char('\n'));
    status.tone = health.stoppedAfterCrashes ? HealthTone::Failing : HealthTone::Fine;
    return status;
}

QString watchStatus(const PageHealth &health, bool ended, bool reloads, bool changed)
{
    if (ended)
        return QStringLiteral("ended");
    if (health.stoppedAfterCrashes)
        return QStringLiteral("stopped");
    if (health.notResponding)
        return QStringLiteral("not responding");
    if (!health.loadError.isEmpty())
        return QStringLiteral("not answering");
    if (health.pausedForTyping)
        return QStringLiteral("paused");
    if (!reloads)
        return QStringLiteral("not reloading");
    return changed ? QStringLiteral("changed") : QStringLiteral("live");
}
