#pragma once

#include <QtGlobal>
#include <optional>

// How long a view waits before it loads its page again after its render
// process ended abnormally: 1 s the first time, twice as long with each crash
// in a row, never more than 60 s, and never less than the view's reload
// period, so that a page that kills its renderer is fetched no faster than
// its tab's rate. A crash is one in a row unless the page had stayed up a
// whole period since it loaded (a minute for a view not reloaded on a timer):
// a page that loads and then dies every time keeps the count going, while a
// rare crash still comes back fast. A view reloaded on a timer gives up at
// the third crash in a row, until the user asks for a page.
class CrashBackoff
{
public:
    static constexpr int kFirstWaitMs = 1000;
    static constexpr int kLongestWaitMs = 60000;
    static constexpr int kCrashesToGiveUp = 3;

    // How often the view is reloaded on a timer; 0: it is not.
    void setPeriodMs(int periodMs) { m_periodMs = periodMs; }
    // Times are read off one steady clock.
    void pageLoaded(qint64 nowMs) { m_loadedAtMs = nowMs; }
    // The wait before the page that lost its renderer at nowMs is loaded
    // again; none: it is not, the crashes came too often.
    std::optional<int> rendererEnded(qint64 nowMs);
    // The user asked for a page: the crashes before count no more.
    void startOver() { m_crashesInARow = 0; }

private:
    int m_periodMs = 0;
    int m_crashesInARow = 0;
    std::optional<qint64> m_loadedAtMs; // since the last crash
};
