#include "saved/core/SavedEntries.h"

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
