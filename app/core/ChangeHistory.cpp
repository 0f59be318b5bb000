#include "app/core/ChangeHistory.h"

#include <QStringList>
#include <algorithm>

ChangeHistory::ChangeHistory(const QList<Entry> &entries)
    : m_entries(entries.mid(std::max<qsizetype>(0, entries.size() - kKept)))
{
}

bool ChangeHistory::record(const QString &value, const QDateTime &when)
{
    const bool first = m_entries.isEmpty();
    if (!first && m_entries.last().value == value)
        return false;
    m_entries.append({value, when});
    if (m_entries.size() > kKept)
        m_entries.removeFirst();
    return !first;
}

QList<ChangeHistory::Entry> ChangeHistory::lastFew(int n) const
{
    return m_entries.mid(m_entries.size() - std::clamp(n, 0, int(m_entries.size())));
}

QString recentChanges(const ChangeHistory &history, int n)
{
    if (history.entries().size() < 2)
        return QString();
    QStringList shown;
    for (const ChangeHistory::Entry &entry : history.lastFew(n))
        shown << QStringLiteral("%1 at %2")
                     .arg(entry.value, entry.when.toLocalTime().toString(QStringLiteral("HH:mm:ss")));
    return QStringLiteral("Changes: ") + shown.join(QStringLiteral(", "));
}
