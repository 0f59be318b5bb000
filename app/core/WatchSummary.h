#pragma once

#include "app/core/ChangeHistory.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the overview of watched items shows of one watch tab.
struct WatchSummary
{
    int tab = 0;
    QString itemNumber;
    QString title;
    QStringList values;                            // the followed elements' texts, in the order chosen
    std::optional<QDateTime> end;                  // when the auction ends, where the page says
    QDateTime lastDrawn;
    QString status;                                // as watchStatus() words it
    bool changed = false;
    bool endingSoon = false;
    QList<QList<ChangeHistory::Entry>> histories;  // a followed element's last changes, newest last
};
