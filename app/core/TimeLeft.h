#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Reads the text of the page element that shows when an auction ends, and
// writes the time left for the tab's header and tooltip.
//
// Read are, after an optional label ("Time left:", "Ends in", "Closing:",
// "Restzeit:", "残り", ... in the languages of TimeLeftWords):
//   - a time left: numbers with units, largest first, each unit at most once,
//     maybe followed by "left": "3d 4h", "4h 20m 5s", "1 day 2 hours",
//     "2 Std. 40 Min.", "3 dagen 2 uur", "7時間"; where the words may be read in
//     several languages, they must mean the same time in all of them;
//   - after a label meaning "left", a clock of hours, minutes and seconds:
//     "Time remaining: 01:05:09";
//   - a time left with its end beside it, in brackets or after a bar:
//     "3d 05h left (Fri, 10:15 PM)": the written end, more precise, when the
//     two agree to within the coarser of the two;
//   - an end: a date and a time of day, maybe on a 12-hour clock, after "at":
//     "Dec 08, 2026 14:30:00 PST", "Mon. Nov 30, 6:45 PM CST", "2026-12-08T14:30Z",
//     "11/30/2026 6:45:00 PM PT", "Tomorrow at 7:10 AM GMT", "Tuesday, 07:20 AM",
//     in the zone given by a US or European abbreviation or an offset, else in
//     local time. A date with no year, or a weekday alone, is the next such day
//     from an hour ago, so that an end just past reads as past; US zones with
//     no daylight letter (PT, ET, CT, MT) take the one in force on the date.
// Anything that may be read more than one way is refused with a reason and
// never guessed: a clock with no label (a time left or a time of day), a clock
// of two parts after a label, a date in numbers that may be written day first,
// a date without a time of day, an unknown zone, units out of order, words.
struct AuctionEnd
{
    std::optional<QDateTime> end;
    QString problem;     // why the text could not be read, for the tab's tooltip
    qint64 withinMs = 0; // how far the real end may be from end: the smallest unit written
};

AuctionEnd auctionEnd(const QString &text, const QDateTime &now);

// The time from now to end in its two largest units, whole seconds rounded up:
// "3d 4h", "4h 20m", "4m 10s", "45s"; "0s" once the end has come.
QString timeLeftText(const QDateTime &now, const QDateTime &end);
