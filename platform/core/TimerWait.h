#pragma once

#include <QtGlobal>
#include <algorithm>
#include <limits>

// A wait in milliseconds as a QTimer takes it: QTimer counts in int, and a
// wait may be months long (a tab at "No Refresh" waiting for an auction's end).
inline int timerWaitMs(qint64 ms)
{
    return int(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max()));
}
