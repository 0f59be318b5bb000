#include "saved/core/SavedEntries.h"

#include <QHash>

#include <algorithm>

namespace {

const QString kSeparator = QStringLiteral("     ");

} // namespace

QString composeEntry(const QString &itemNumber, const QString &description)
{
    return itemNumber + kSeparator + description;
}

QString itemNumberOfEntry(const QString &entry)
{
    const qsizetype separator = entry.indexOf(kSeparator);
    return separator < 0 ? entry : entry.left(separator);
}

bool entryLess(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

void sortEntries(QStringList &entries)
{
    std::stable_sort(entries.begin(), entries.end(), entryLess);
}

QStringList mergeEntries(const QStringList &read, const QStringList &edited, const QStringList &onDisk)
{
    struct Counts
    {
        int read = 0;
        int edited = 0;
        int onDisk = 0;
    };
    QHash<QString, Counts> counts;
    QStringList lines; // each once, in the order first met
    const auto tally = [&counts, &lines](const QStringList &list, int Counts::*count) {
        for (const QString &line : list) {
            if (!counts.contains(line))
                lines << line;
            ++(counts[line].*count);
        }
    };
    tally(onDisk, &Counts::onDisk);
    tally(edited, &Counts::edited);
    tally(read, &Counts::read);

    QStringList merged;
    for (const QString &line : std::as_const(lines)) {
        const Counts count = counts.value(line);
        const int mine = count.edited - count.read;
        const int theirs = count.onDisk - count.read;
        const bool same = (mine > 0 && theirs > 0) || (mine < 0 && theirs < 0);
        const int shared = !same ? 0 : mine > 0 ? std::min(mine, theirs) : std::max(mine, theirs);
        merged << QStringList(count.read + mine + theirs - shared, line);
    }
    sortEntries(merged);
    return merged;
}
