#pragma once

#include <QString>
#include <optional>

// The first number a page's text shows, as prices are written: "US $1,234.50",
// "EUR 1.234,50", "£12", "1 234,50 €", "12.5". Currency signs and codes, and
// blanks, thin and no-break spaces and apostrophes between digits, are passed
// over. None when the text shows no number, or one grouped in no common way.
std::optional<double> readNumber(const QString &text);
