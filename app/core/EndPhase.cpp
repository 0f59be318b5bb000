#include "app/core/EndPhase.h"

#include "app/core/ReloadSpread.h"
#include "platform/core/PagePatience.h"
#include "platform/core/TimerWait.h"

#include <algorithm>

namespace {

constexpr int kEndingSoonEveryMs = 10000;
constexpr qint64 kLastMinuteMs = 60000;
constexpr qint64 kLastMinuteEveryMs = 5000;
// Late enough for the site to show the final state.
constexpr qint64 kAfterEndMs = 2000;
// The end is known to a second or so (read from the page's own count); a
// reload planned closer to it than this could land after it and be a second
// reload after the end.
constexpr qint64 kEndMarginMs = 1500;

// In the last minute: every 5 s, but no step in the margin before the end;
// the step that would fall there comes at the margin's start instead.
qint64 lastMinuteWait(qint64 left)
{
    if (left + kAfterEndMs <= kLastMinuteEveryMs)
        return left + kAfterEndMs;
    if (left - kLastMinuteEveryMs < kEndMarginMs)
        return left - kEndMarginMs;
    return kLastMinuteEveryMs;
}

bool insideWindow(EndPhase phase)
{
    return phase == EndPhase::EndingSoon || phase == EndPhase::LastMinute;
}

} // namespace

QList<int> endingSoonLeadChoices()
{
    return {2, 5, 10, 30};
}

ReloadPlan planReload(const TabTiming &timing)
{
    const std::optional<int> ownRate =
        timing.periodMs > 0 ? std::optional<int>(spreadWaitMs(timing.periodMs, timing.draw)) : std::nullopt;
    if (!timing.end)
        return {EndPhase::Normal, ownRate, false};
    if (timing.before == EndPhase::Ended)
        return {EndPhase::Ended, std::nullopt, false};

    const QDateTime finalLoad = timing.end->addMSecs(kAfterEndMs);
    if (timing.lastLoad.isValid() && timing.lastLoad >= finalLoad)
        return {EndPhase::Ended, std::nullopt, false};

    const qint64 left = timing.now.msecsTo(*timing.end);
    const qint64 untilWindow = left - qint64(timing.leadMinutes) * 60000;
    ReloadPlan plan;
    if (left <= 0) {
        plan = {EndPhase::AfterEnd, timerWaitMs(left + kAfterEndMs)};
    } else if (left <= kLastMinuteMs) {
        plan = {EndPhase::LastMinute, timerWaitMs(lastMinuteWait(left))};
        plan.paceMs = plan.waitMs;
    } else if (untilWindow <= 0) {
        plan = {EndPhase::EndingSoon, spreadWaitMs(kEndingSoonEveryMs, timing.draw)};
        plan.paceMs = kEndingSoonEveryMs;
    } else {
        plan = {EndPhase::Normal, timerWaitMs(ownRate ? std::min<qint64>(*ownRate, untilWindow) : untilWindow)};
    }
    plan.notifyEndingSoon = insideWindow(plan.phase) && timing.before == EndPhase::Normal;
    return plan;
}

std::optional<int> waitAfterTimedReload(EndPhase phase, const std::optional<QDateTime> &end, const QDateTime &now,
                                        int periodMs, double draw)
{
    if (end && now >= *end)
        return std::nullopt;
    return phase == EndPhase::LastMinute ? periodMs : spreadWaitMs(periodMs, draw);
}

qint64 typingHoldMs(const std::optional<qint64> &msToEnd)
{
    constexpr qint64 kNearEndMs = 10 * 60000;
    constexpr qint64 kHoldNearEndMs = 10000;
    return msToEnd && *msToEnd <= kNearEndMs ? kHoldNearEndMs : kTypingHoldMs;
}
