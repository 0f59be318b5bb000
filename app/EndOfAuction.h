#pragma once

#include "app/core/EndPhase.h"
#include "app/core/EndStatus.h"

#include <QDateTime>
#include <QString>
#include <optional>

class HeldNotices;
class IntervalTimer;
struct ReadEnd;

// The end of a tab's auction as its page's time left tells it, and the tab's
// reloads planned from it: faster near the end, once more after it, then none.
// The user is told when it ends soon and when it has ended.
class EndOfAuction
{
public:
    EndOfAuction(IntervalTimer *reloadTimer, HeldNotices *notices);

    const std::optional<QDateTime> &end() const { return m_end; }
    EndPhase phase() const { return m_phase; }
    bool hasEnded() const { return m_phase == EndPhase::Ended; }
    // The first followed element's value once ended.
    const QString &finalValue() const { return m_finalValue; }
    EndStatus status(const QDateTime &now) const;
    // Minutes before the end from which the tab reloads faster and says it ends soon.
    void setLead(int minutes) { m_leadMinutes = minutes; }
    // The time left's text read at now, found on the page or not; whether an end is known to plan from.
    bool timeLeftRead(bool found, const QString &text, const QDateTime &now);
    // Plans the reload timer at now for a tab reloading every periodMs; firstValue is
    // the first followed element's, the final value should the auction have ended.
    void planReloads(const QDateTime &now, int periodMs, const QString &firstValue, double draw);
    // The first followed element read again: once ended, its value is the final one.
    void firstValueRead(const QString &value);
    // An end kept from an earlier run.
    void restore(const std::optional<QDateTime> &end, bool ended, const QString &finalValue);
    void forget();

private:
    // A newly read end, taken or not, and told when it moved.
    void takeEnd(const ReadEnd &read);

    IntervalTimer *m_reloadTimer;
    HeldNotices *m_notices;
    int m_leadMinutes = kDefaultEndingSoonLeadMinutes;
    std::optional<QDateTime> m_end;
    qint64 m_endWithinMs = 0;             // how far the real end may be from m_end
    std::optional<QDateTime> m_movedFrom; // the end known before a reload read one far from it
    QString m_timeLeftProblem;
    QDateTime m_lastRead; // when the time left was last read, just after a load
    EndPhase m_phase = EndPhase::Normal;
    QString m_finalValue;
    bool m_endingSoonTold = false; // told for the end known: its coming, so its end is told too
};
