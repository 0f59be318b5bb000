#include "app/core/WatchedItemsOrder.h"

#include "app/core/TimeLeft.h"

#include <algorithm>
#include <tuple>

namespace {

bool hasEnded(const WatchSummary &summary, const QDateTime &now)
{
    return summary.status == QLatin1String("ended") || (summary.end && *summary.end <= now);
}

} // namespace

QStringList overviewHeaders()
{
    return {QStringLiteral("Item"),      QStringLiteral("Title"),       QStringLiteral("Value"),
            QStringLiteral("Time left"), QStringLiteral("Last reload"), QStringLiteral("Status"),
            QStringLiteral("Lead")};
}

QList<WatchSummary> inOverviewOrder(QList<WatchSummary> summaries, const QDateTime &now)
{
    // Groups: 0 ends at a known time, 1 end not known, 2 ended.
    const auto key = [&now](const WatchSummary &s) {
        const int group = hasEnded(s, now) ? 2 : s.end ? 0 : 1;
        const qint64 left = group == 0 ? now.msecsTo(*s.end) : 0;
        return std::make_tuple(group, left, s.tab);
    };
    std::stable_sort(summaries.begin(), summaries.end(),
                     [&key](const WatchSummary &a, const WatchSummary &b) { return key(a) < key(b); });
    return summaries;
}

QString ageText(const QDateTime &then, const QDateTime &now)
{
    if (!then.isValid())
        return QStringLiteral("never");
    // A clock set back shows a page drawn "now" rather than in the future.
    const qint64 seconds = std::max<qint64>(0, then.secsTo(now));
    if (seconds < 60)
        return QStringLiteral("%1 s ago").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1 min ago").arg(seconds / 60);
    return QStringLiteral("%1 h ago").arg(seconds / 3600);
}

QStringList overviewCells(const WatchSummary &summary, const QDateTime &now)
{
    QString timeLeft;
    if (hasEnded(summary, now))
        timeLeft = QStringLiteral("Ended");
    else if (summary.end)
        timeLeft = timeLeftText(now, *summary.end);
    QStringList values;
    for (const WatchSummary::Followed &followed : summary.followed)
        values << followed.value;
    // Prices hold commas, so the values are set apart by a bar.
    return {summary.itemNumber,
            summary.title,
            values.join(QStringLiteral(" | ")),
            timeLeft,
            ageText(summary.lastDrawn, now),
            summary.status,
            leadText(summary.lead)};
}

RowMark rowMark(const WatchSummary &summary)
{
    if (summary.status == QLatin1String("not reloading"))
        return RowMark::NotReloading;
    if (summary.endingSoon)
        return RowMark::EndingSoon;
    return summary.changed ? RowMark::Changed : RowMark::None;
}

QStringList historyLines(const WatchSummary &summary, const QDateTime &now)
{
    QStringList lines;
    for (const WatchSummary::Followed &followed : summary.followed) {
        if (followed.history.isEmpty())
            continue;
        if (!lines.isEmpty())
            lines << QString();
        for (const ChangeHistory::Entry &entry : followed.history) {
            const QDateTime when = entry.when.toLocalTime();
            const QString format =
                when.date() == now.toLocalTime().date() ? QStringLiteral("HH:mm:ss") : QStringLiteral("d MMM HH:mm:ss");
            lines << when.toString(format) + QStringLiteral("  ") + entry.value;
        }
    }
    return lines;
}
