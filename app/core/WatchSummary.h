#pragma once

#include "app/core/ChangeHistory.h"
#include "app/core/Lead.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// What the overview of watched items shows of one watch tab.
struct WatchSummary
{
    int tab = 0;
    QString itemNumber;
    QString title;
    // An element of the page followed for changes.
    struct Followed
    {
        QString value;                       // its text now
        QList<ChangeHistory::Entry> history; // its last changes, newest last
    };
    QList<Followed> followed;     // in the order chosen
    std::optional<QDateTime> end; // when the auction ends, where the page says
    QDateTime lastDrawn;
    QString status; // as watchStatus() words it
    bool changed = false;
    bool endingSoon = false;
    LeadState lead = LeadState::Unknown;
};
