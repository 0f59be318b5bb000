#include "app/core/ReloadSpread.h"

#include <algorithm>

QList<int> firstReloadWaitsMs(const QList<int> &periodsMs)
{
    int timed = 0;
    int shortest = 0;
    for (int period : periodsMs) {
        if (period > 0) {
            ++timed;
            shortest = shortest == 0 ? period : std::min(shortest, period);
        }
    }
    QList<int> waits;
    int rank = 0;
    for (int period : periodsMs)
        waits << (period > 0 ? int(qint64(shortest) * ++rank / timed) : 0);
    return waits;
}

int spreadWaitMs(int periodMs, double draw)
{
    constexpr double kSpread = 0.1;
    constexpr int kShortest = 1000;
    return std::max(kShortest, int(periodMs * (1 + kSpread * std::clamp(draw, -1.0, 1.0)) + 0.5));
}
