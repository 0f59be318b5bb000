#pragma once

#include "app/core/TimeLeft.h"

// Reads an end written as a day and a time of day, maybe on a 12-hour clock,
// maybe in a zone: "Dec 08, 2026 14:30:00 PST", "11/30/2026 6:45 PM PT",
// "Tomorrow at 7:10 AM GMT", "Fri, 10:15 PM". labelled: a label came before,
// so that a clock alone is a time of day with no date rather than unknown.
AuctionEnd endDate(const QString &text, bool labelled, const QDateTime &now);
