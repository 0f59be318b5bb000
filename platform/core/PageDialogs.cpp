#include "platform/core/PageDialogs.h"

PageDialogAnswer pageDialogAnswer(PageDialogKind kind, bool inFront, bool duringTimedReload, bool throttled)
{
    if (kind == PageDialogKind::LeavePage && duringTimedReload)
        return PageDialogAnswer::LeaveQuietly;
    if (throttled || !inFront)
        return PageDialogAnswer::RefuseQuietly;
    return kind == PageDialogKind::Alert ? PageDialogAnswer::ShowNotice : PageDialogAnswer::AskUser;
}

bool DialogThrottle::throttles(qint64 nowMs)
{
    while (!m_raised.empty() && nowMs - m_raised.front() >= kBurstMs)
        m_raised.pop_front();
    m_raised.push_back(nowMs);
    return int(m_raised.size()) > kShownInBurst;
}
