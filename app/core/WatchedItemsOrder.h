#pragma once

#include "app/core/WatchSummary.h"

#include <QList>
#include <QStringList>

// The overview of watched items: which row comes first, what each cell says
// and which rows catch the eye.

enum class OverviewColumn {
    Item,
    Title,
    Value,
    TimeLeft,
    LastReload,
    Status,
    Lead // "Leading", "Outbid", or empty
};
constexpr int kOverviewColumnCount = 7;

QStringList overviewHeaders();

// Soonest end first; tabs whose end is not known after those, by tab index;
// ended ones last, by tab index.
QList<WatchSummary> inOverviewOrder(QList<WatchSummary> summaries, const QDateTime &now);

// The row's texts, one a column, read at now.
QStringList overviewCells(const WatchSummary &summary, const QDateTime &now);

// How long ago a page was last drawn: "12 s ago", "4 min ago", "2 h ago", "never".
QString ageText(const QDateTime &then, const QDateTime &now);

enum class RowMark {
    None,
    Changed,
    EndingSoon,
    NotReloading
};

// A row ending soon is marked so even when it also changed: its status says
// that. A row that will not reload is marked so before all: it shows old news.
RowMark rowMark(const WatchSummary &summary);

// The followed elements' values with the time each was first seen, oldest
// first, a blank line between elements; the date only when it is not now's.
QStringList historyLines(const WatchSummary &summary, const QDateTime &now);
