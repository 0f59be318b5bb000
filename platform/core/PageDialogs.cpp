#include "platform/core/PageDialogs.h"

PageDialogAnswer pageDialogAnswer(PageDialogKind kind, bool inFront, bool duringProgramNavigation, bool throttled)
{
    if (kind == PageDialogKind::LeavePage && duringProgramNavigation)
        return PageDialogAnswer::LeaveQuietly;
    if (throttled || !inFront)
        return PageDialogAnswer::RefuseQuietly;
    return kind == PageDialogKind::Alert ? PageDialogAnswer::ShowNotice : PageDialogAnswer::ShowQuestion;
}

bool DialogThrottle::throttles(qint64 nowMs)
{
    while (!m_raised.empty() && nowMs - m_raised.front() >= kBurstMs)
        m_raised.pop_front();
    m_raised.push_back(nowMs);
    return int(m_raised.size()) > kShownInBurst;
}

void KeptAnswer::keep(PageDialogKind kind, const QString &question, const QString &value, qint64 nowMs)
{
    m_answer = Answer{kind, question, value, nowMs};
}

std::optional<QString> KeptAnswer::take(PageDialogKind kind, const QString &question, qint64 nowMs)
{
    if (!m_answer || m_answer->kind != kind || m_answer->question != question)
        return std::nullopt;
    const Answer answer = *m_answer;
    m_answer.reset();
    if (nowMs - answer.keptMs >= kKeptMs)
        return std::nullopt;
    return answer.value;
}

bool pageMayDownload(bool inFront, qint64 msSinceUserInput)
{
    return inFront && msSinceUserInput >= 0 && msSinceUserInput < kDownloadAfterInputMs;
}
