#include "app/core/ChangeHistory.h"

#include <algorithm>

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
