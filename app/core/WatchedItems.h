#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The items the watch tabs follow, kept from one run to the next.
struct WatchedItem
{
    int tab = 0;
    QString itemNumber;
    int periodMs = 0;   // the tab's own rate; 0: no timed reload
    QStringList followed;   // how the page's followed elements are found
    QString timeLeft;       // how its time left is found; empty: not pointed at
    bool operator==(const WatchedItem &other) const
    {
        return tab == other.tab && itemNumber == other.itemNumber && periodMs == other.periodMs
            && followed == other.followed && timeLeft == other.timeLeft;
    }
};

// As stored: a JSON array, one object a watched tab.
QString watchedItemsToText(const QList<WatchedItem> &items);
// A damaged text, or an entry of it, is left out: it must not cost the start-up.
QList<WatchedItem> watchedItemsFromText(const QString &text, int tabCount);
