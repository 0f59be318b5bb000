#include "platform/core/CrashBackoff.h"

#include <algorithm>

std::optional<int> CrashBackoff::rendererEnded(qint64 nowMs)
{
    const int stayUpMs = m_periodMs > 0 ? m_periodMs : kLongestWaitMs;
    if (m_loadedAtMs && nowMs - *m_loadedAtMs >= stayUpMs)
        m_crashesInARow = 0;
    m_loadedAtMs.reset();
    ++m_crashesInARow;
    if (m_periodMs > 0 && m_crashesInARow >= kCrashesToGiveUp)
        return std::nullopt;
    // 1 s doubled six times is past the longest wait already.
    const int backoff = std::min(kFirstWaitMs << std::min(m_crashesInARow - 1, 6), kLongestWaitMs);
    return std::max(backoff, m_periodMs);
}
