#include "app/EndOfAuction.h"

#include "app/HeldNotices.h"
#include "app/core/EndMove.h"
#include "app/core/TimeLeft.h"
#include "platform/IntervalTimer.h"

EndOfAuction::EndOfAuction(IntervalTimer *reloadTimer, HeldNotices *notices)
    : m_reloadTimer(reloadTimer)
    , m_notices(notices)
{
}

EndStatus EndOfAuction::status(const QDateTime &now) const
{
    return endStatus(m_phase, m_end, m_movedFrom, m_timeLeftProblem, m_finalValue, now);
}

bool EndOfAuction::timeLeftRead(bool found, const QString &text, const QDateTime &now)
{
    // A text that cannot be read leaves the end known before, if any: an
    // ended auction's page often shows no time left at all.
    const AuctionEnd read = found ? auctionEnd(text, now) : AuctionEnd{};
    // An ended auction stays ended unless its page shows an end still to come.
    if (m_phase == EndPhase::Ended) {
        if (!read.end || *read.end <= now)
            return false;
        m_phase = EndPhase::Normal;
    }
    if (read.end)
        takeEnd({*read.end, read.withinMs});
    // The reader says why it refused the text; the user can tell from it what the page shows.
    m_timeLeftProblem = read.end ? QString()
        : found                  ? read.problem
                                 : QStringLiteral("The time left is not on the page");
    m_lastRead = now;
    return m_end.has_value();
}

void EndOfAuction::takeEnd(const ReadEnd &read)
{
    const std::optional<ReadEnd> known = m_end ? std::optional<ReadEnd>({*m_end, m_endWithinMs}) : std::nullopt;
    const NextEnd next = nextEnd(known, read);
    if (next.moved)
        m_movedFrom = m_end;
    m_end = next.end.at;
    m_endWithinMs = next.end.withinMs;
}

void EndOfAuction::planReloads(const QDateTime &now, int periodMs, const QString &firstValue, double draw)
{
    const ReloadPlan plan = planReload({now, m_end, m_lastRead, periodMs, m_leadMinutes, m_phase, draw});
    if (plan.notifyEndingSoon) {
        m_notices->held().endingSoon(timeLeftText(now, *m_end));
        m_endingSoonTold = true;
    }
    if (plan.phase == EndPhase::Ended && m_phase != EndPhase::Ended) {
        m_finalValue = firstValue;
        // An auction that had ended before the tab knew its end is no news.
        if (m_endingSoonTold)
            m_notices->held().ended(m_finalValue);
    }
    m_phase = plan.phase;
    if (plan.phase == EndPhase::Ended) {
        // What the page of an ended auction shows in place of the time left is no problem.
        m_timeLeftProblem.clear();
        m_reloadTimer->setEnabled(false);
        return;
    }
    // Near the end the tab reloads at the plan's pace; just after it, once
    // more, and a held reload is tried again at the pace it had.
    if (plan.phase == EndPhase::Normal)
        m_reloadTimer->setInterval(periodMs);
    else if (plan.paceMs)
        m_reloadTimer->setInterval(*plan.paceMs);
    m_reloadTimer->setEnabled(true);
    if (plan.waitMs)
        m_reloadTimer->setFirstWait(*plan.waitMs);
}

void EndOfAuction::firstValueRead(const QString &value)
{
    // A page loaded after the end, as at a start that confirms it, tells the final value.
    if (m_phase == EndPhase::Ended)
        m_finalValue = value;
}

void EndOfAuction::restore(const std::optional<QDateTime> &end, bool ended, const QString &finalValue)
{
    m_end = end;
    m_endWithinMs = 0;
    if (ended) {
        m_phase = EndPhase::Ended;
        m_finalValue = finalValue;
    }
}

void EndOfAuction::forget()
{
    m_end.reset();
    m_movedFrom.reset();
    m_timeLeftProblem.clear();
    m_lastRead = QDateTime();
    m_phase = EndPhase::Normal;
    m_finalValue.clear();
    m_endingSoonTold = false;
}
