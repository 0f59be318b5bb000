#include "platform/core/PagePatience.h"

#include <algorithm>

qint64 loadPatienceMs(int reloadPeriodMs)
{
    return std::max<qint64>(60000, 2 * qint64(reloadPeriodMs));
}

bool typingHoldsReload(bool typedText, bool inFront, qint64 msSinceLastKey)
{
    return typedText && (inFront || msSinceLastKey < kTypingHoldOutOfSightMs);
}

Responsiveness responsiveness(qint64 askedAtMs, qint64 anyPageHeardAtMs)
{
    const qint64 msWithoutAnswer = anyPageHeardAtMs - askedAtMs;
    if (msWithoutAnswer >= kGiveUpAfterMs)
        return Responsiveness::GiveUp;
    if (msWithoutAnswer >= kNotRespondingAfterMs)
        return Responsiveness::NotResponding;
    return Responsiveness::Answering;
}
