#include "platform/core/PagePatience.h"

#include <algorithm>

qint64 loadPatienceMs(int reloadPeriodMs)
{
    return std::max<qint64>(60000, 2 * qint64(reloadPeriodMs));
}

qint64 typingHoldLeftMs(qint64 msSinceLastKey, qint64 holdMs)
{
    return msSinceLastKey < 0 ? 0 : std::max<qint64>(0, holdMs - msSinceLastKey);
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
