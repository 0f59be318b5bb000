#pragma once

#include "app/core/ChangeHistory.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What an overview of the watched items shows of one watch tab, read at one moment.
struct WatchSummary
{
    int tab;
    QString itemNumber;
    QString title;
    QStringList values;                 // the followed elements' texts, in the order followed
    std::optional<QDateTime> end;       // none while the auction's end is not known
    QDateTime lastDrawn;
    QString status;                     // "live", "paused", "not answering", "not responding", "ended", "changed"
    bool changed;                       // a followed element changed since the tab was last in front
    bool endingSoon;
    QList<QList<ChangeHistory::Entry>> histories;   // one a followed element, oldest first
};
