#pragma once

// The five-minute countdown: one tick a second on the count of seconds left.
constexpr int kCountdownStartS = 300;
// The time from one reload by the countdown to the next.
constexpr int kCountdownPeriodMs = kCountdownStartS * 1000;

struct CountdownTick
{
    int count = kCountdownStartS; // the count after the tick
    bool reloadFront = false;
};

// A count that reaches 0 starts again at 300 and reloads the tab in front.
CountdownTick countdownTick(int count);
