#include "app/core/Countdown.h"

CountdownTick countdownTick(int count)
{
    if (count - 1 == 0)
        return {kCountdownStartS, true};
    return {count - 1, false};
}
