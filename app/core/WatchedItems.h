#pragma once

#include "app/core/AlertCondition.h"
#include "app/core/ChangeHistory.h"
#include "app/core/Lead.h"

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
    QList<AlertCondition> conditions;             // when a followed element's change is told
    int leadElement = -1;                         // the followed element that says who leads; -1: none
    QString leadingText;                          // what it shows while the user leads
    LeadState lead = LeadState::Unknown;          // as last known: an outbid while closed is told at the start
    bool operator==(const WatchedItem &other) const
    {
        return tab == other.tab && itemNumber == other.itemNumber && periodMs == other.periodMs
            && followed == other.followed && timeLeft == other.timeLeft && end == other.end && ended == other.ended
            && finalValue == other.finalValue && histories == other.histories && conditions == other.conditions
            && leadElement == other.leadElement && leadingText == other.leadingText && lead == other.lead;
    }
};

// As stored: a JSON array, one object a watched tab; times in UTC, to the
// millisecond. A text kept before ends, histories, conditions or the lead
// were kept reads as items with none (every change told, no lead).
QString watchedItemsToText(const QList<WatchedItem> &items);
// A damaged text, or an entry of it, is left out: it must not cost the start-up.
// Damaged ends and history entries are left out alone.
QList<WatchedItem> watchedItemsFromText(const QString &text, int tabCount);
