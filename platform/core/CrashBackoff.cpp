#include "platform/core/CrashBackoff.h"

#include <algorithm>

int CrashBackoff::nextWaitMs()
{
    const int wait = m_nextWaitMs;
    m_nextWaitMs = std::min(wait * 2, kLongestWaitMs);
    return wait;
}

void CrashBackoff::pageLoaded()
{
    m_nextWaitMs = kFirstWaitMs;
}
