#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The values one followed element has taken while watched, with the time
// each was first seen: the value it had when it was first read, then one entry
// a change, oldest first. Only the last kKept are kept.
class ChangeHistory
{
public:
    struct Entry
    {
        QString value;
        QDateTime when;
        bool operator==(const Entry &other) const { return value == other.value && when == other.when; }
    };

    static constexpr int kKept = 20;

    ChangeHistory() = default;
    // Goes on from entries kept from an earlier run, the last kKept of them.
    explicit ChangeHistory(const QList<Entry> &entries);

    // The element's text read at when. True when it differs from the last one
    // kept; the first text read is kept but is no change.
    bool record(const QString &value, const QDateTime &when);

    // The last n entries (all when there are fewer), newest last.
    QList<Entry> lastFew(int n) const;
    const QList<Entry> &entries() const { return m_entries; }
    // The text read last; empty before the first.
    QString lastValue() const { return m_entries.isEmpty() ? QString() : m_entries.last().value; }

private:
    QList<Entry> m_entries;
};

// The last n changes for a tooltip, oldest first: "Changes: US $180.00 at
// 14:02:10, US $185.00 at 14:05:11"; empty while the element has not changed.
QString recentChanges(const ChangeHistory &history, int n);
