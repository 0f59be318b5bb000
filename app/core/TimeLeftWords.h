#pragma once

#include <QList>
#include <QStringList>

// The words auction sites write around a time left, one entry a language, in
// lower case. A word may be in several languages; where it means different
// things in them ("t": days in German, hours in Swedish), a text that does not
// tell its language is refused.
struct TimeLeftWords
{
    QStringList leftLabels; // before a time left, after which a clock is one: "time left", "ends in"
    QStringList endLabels;  // before an end, after which a clock is a time of day: "ends", "sale date"
    QStringList leftAfter;  // after a time left: "left"
    QStringList units[4];   // days, hours, minutes, seconds, without a closing dot: "std" for "Std."
    QStringList today;
    QStringList tomorrow;
};

const QList<TimeLeftWords> &timeLeftWords();
