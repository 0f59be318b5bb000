#pragma once

#include <QString>
#include <QStringList>

// One saved item is one line of text: the item number, five blanks, the
// description. Neither part is checked; either may be empty.
QString composeEntry(const QString &itemNumber, const QString &description);

// The number to watch for an entry: its text before the first run of five
// blanks, or the whole entry when it has none. Taking a fixed count of
// characters instead would hand description letters or separator blanks to
// the item page for short numbers and cut long ones.
QString itemNumberOfEntry(const QString &entry);

// The list's order: ascending as text, letter case ignored, so 10000 comes
// before 9999 and a blank before any digit or letter.
bool entryLess(const QString &a, const QString &b);

// Sorts into list order; entries equal but for case keep their order.
void sortEntries(QStringList &entries);

// The list to write back over a file that may have changed since it was
// read (another copy of the program saved to it): each change, this list's
// since `read` and the file's since `read`, made once; a change both made
// counts once. Comes in list order.
QStringList mergeEntries(const QStringList &read, const QStringList &edited, const QStringList &onDisk);

// Where entry goes in a list of count entries already in list order, read
// through entryAt(position): after any equal ones. A binary search, so a
// full list still takes an entry at once.
template <typename EntryAt> int sortedInsertPosition(int count, EntryAt entryAt, const QString &entry)
{
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (entryLess(entry, entryAt(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}
