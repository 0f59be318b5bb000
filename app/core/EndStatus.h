#pragma once

#include "app/core/EndPhase.h"

#include <QDateTime>
#include <QString>
#include <optional>

// What a watch tab tells of its auction's end, read at now: a few words for
// its header ("4m 10s", "Ended: US $185.00") and lines for its tooltip. Both
// are empty while nothing is known of the end.
struct EndStatus
{
    QString header;
    QString tooltip;
};

// movedFrom: the end known before a reload read this one, far from it, if so;
// problem: why the time left could not be read, or empty; lastValue: the last
// text of the followed element, told once the auction has ended.
EndStatus endStatus(EndPhase phase, const std::optional<QDateTime> &end, const std::optional<QDateTime> &movedFrom,
                    const QString &problem, const QString &lastValue, const QDateTime &now);
