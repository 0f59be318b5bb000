#include "app/core/TabFreeze.h"

namespace {

constexpr qint64 kAwakeBeforeEndMs = 10 * 60 * 1000;
// A shorter freeze is not worth waking the page for.
constexpr qint64 kShortestFreezeMs = 2000;

} // namespace

std::optional<qint64> freezeForMs(const TabFreezeFacts &facts)
{
    if (facts.inFront || facts.periodMs <= 0 || facts.nextReloadMs < 0)
        return std::nullopt;
    if (facts.endMs && *facts.endMs < kAwakeBeforeEndMs)
        return std::nullopt;
    const qint64 freezeMs = facts.nextReloadMs - kThawBeforeReloadMs;
    if (freezeMs < kShortestFreezeMs)
        return std::nullopt;
    return freezeMs;
}
