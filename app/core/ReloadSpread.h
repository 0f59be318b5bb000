#pragma once

#include <QList>

// Spreads the reloads of the watch tabs over time, so that tabs armed together
// (at start-up, or when the rate changes) do not all reload in the same second.
//
// periodsMs holds each tab's reload period, 0 for a tab with no timed reload.
// The timed tabs, in order, get first waits evenly spread over the shortest
// period among them: with n tabs, 1/n of it, 2/n, ... and the whole of it for
// the last. No first wait is longer than the tab's own period, and when every
// period is a multiple of the shortest (as 15 s, 30 s, 45 s and 1 minute are of
// 15 s) no two tabs ever reload together afterwards either.
// The result holds each tab's first wait in ms, 0 where periodsMs holds 0.
QList<int> firstReloadWaitsMs(const QList<int> &periodsMs);

// A timed reload's wait: its period spread by up to 10 % either way, so that
// tabs do not fall into step and a site sees no fixed beat. draw, in [-1, 1],
// says where in the spread (a random pick). Never under 1 s.
int spreadWaitMs(int periodMs, double draw);
