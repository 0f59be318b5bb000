#include "app/core/EndMove.h"

#include <algorithm>
#include <cstdlib>

NextEnd nextEnd(const std::optional<ReadEnd> &known, const ReadEnd &read)
{
    constexpr qint64 kMovedMs = 2 * 60000;
    if (!known)
        return {read, false};
    if (std::abs(known->at.msecsTo(read.at)) > kMovedMs + std::max(known->withinMs, read.withinMs))
        return {read, true};
    return {known->withinMs < read.withinMs ? *known : read, false};
}
