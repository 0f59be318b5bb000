#include "app/core/EndStatus.h"

#include "app/core/TimeLeft.h"

#include <QStringList>

EndStatus endStatus(EndPhase phase, const std::optional<QDateTime> &end, const std::optional<QDateTime> &movedFrom,
                    const QString &problem, const QString &lastValue, const QDateTime &now)
{
    EndStatus status;
    QStringList lines;
    if (phase == EndPhase::Ended) {
        status.header = lastValue.isEmpty() ? QStringLiteral("Ended") : QStringLiteral("Ended: %1").arg(lastValue);
        lines << status.header;
    } else if (end) {
        status.header = timeLeftText(now, *end);
        lines << QStringLiteral("Time left: %1 (ends %2)")
                     .arg(status.header, end->toLocalTime().toString(QStringLiteral("ddd d MMM HH:mm:ss")));
        if (movedFrom) {
            const auto hhmm = [](const QDateTime &time) {
                return time.toLocalTime().toString(QStringLiteral("HH:mm"));
            };
            lines << QStringLiteral("End moved from %1 to %2").arg(hhmm(*movedFrom), hhmm(*end));
        }
    }
    if (!problem.isEmpty())
        lines << problem;
    status.tooltip = lines.join(QLatin1Char('\n'));
    return status;
}
