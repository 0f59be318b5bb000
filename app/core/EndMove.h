#pragma once

#include <QDateTime>
#include <optional>

// An auction's end as a page tells it: when, and how far the real end may be
// from it (the smallest unit the page wrote).
struct ReadEnd
{
    QDateTime at;
    qint64 withinMs = 0;
};

// The end a tab goes by once a reload reads `read` where `known` was known
// before. It moved when the two are more than two minutes apart beyond what
// either leaves open: an extended auction, or a misreading before. While they
// agree, the more precise is kept.
struct NextEnd
{
    ReadEnd end;
    bool moved = false;
};
NextEnd nextEnd(const std::optional<ReadEnd> &known, const ReadEnd &read);
