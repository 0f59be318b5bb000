#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Reads the text of the page element that shows when an auction ends, and
// writes the time left for the tab's header and tooltip.
//
// Read are, after an optional label ("Time left:", "Ends in", "Ending", "Time
// remaining") and before an optional "left" or "remaining":
//   - a time left: numbers with units, largest first, each unit at most once:
//     "3d 4h", "4h 20m 5s", "5 mins", "1 day 2 hours", "45 seconds";
//   - an end date with a time of day: "Dec 08, 2026 14:30:00 PST",
//     "December 8, 2026 2:30 PM", "2026-12-08 14:30", "2026-12-08T14:30:00Z",
//     in the zone given by a US or European abbreviation (PST, EDT, GMT, CEST,
//     ...) or an offset (+0100, -05:00), else in local time.
// Anything else is refused with a reason and never guessed: a date without a
// time of day, an unknown zone, a clock ("04:10") that may be a duration or a
// time of day, units out of order, prices, bid counts, words.
struct AuctionEnd
{
    std::optional<QDateTime> end;
    QString problem; // why the text could not be read, for the tab's tooltip
};

AuctionEnd auctionEnd(const QString &text, const QDateTime &now);

// The time from now to end in its two largest units, whole seconds rounded up:
// "3d 4h", "4h 20m", "4m 10s", "45s"; "0s" once the end has come.
QString timeLeftText(const QDateTime &now, const QDateTime &end);
