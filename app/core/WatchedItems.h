#pragma once

#include "app/core/ChangeHistory.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The items the watch tabs follow, kept from one run to the next.
struct WatchedItem
{
    int tab = 0;
    QString itemNumber;
    int periodMs = 0;             // the tab's own rate; 0: no timed reload
    QStringList followed;         // how the page's followed elements are found
    QString timeLeft;             // how its time left is found; empty: not pointed at
    std::optional<QDateTime> end; // when its auction ends, where known
    bool ended = false;
    QString finalValue;                           // what the first followed element showed at the end
    QList<QList<ChangeHistory::Entry>> histories; // a followed element's values, oldest first
    bool operator==(const WatchedItem &other) const
    {
        return tab == other.tab && itemNumber == other.itemNumber && periodMs == other.periodMs
            && followed == other.followed && timeLeft == other.timeLeft && end == other.end && ended == other.ended
            && finalValue == other.finalValue && histories == other.histories;
    }
};

// As stored: a JSON array, one object a watched tab; times in UTC, to the
// millisecond. A text kept before ends and histories were kept reads as
// items with none.
QString watchedItemsToText(const QList<WatchedItem> &items);
// A damaged text, or an entry of it, is left out: it must not cost the start-up.
// Damaged ends and history entries are left out alone.
QList<WatchedItem> watchedItemsFromText(const QString &text, int tabCount);
