#pragma once

// How long a view waits before it loads its page again after its render
// process ended abnormally: 1 s the first time, twice as long each time the
// renderer dies again before a page has loaded, never more than 60 s. A page
// that loads starts the count over, so a rare crash always comes back fast
// while a page that kills every renderer is not reloaded in a tight loop.
class CrashBackoff
{
public:
    static constexpr int kFirstWaitMs = 1000;
    static constexpr int kLongestWaitMs = 60000;

    // The wait for the renderer that just ended; the next one waits longer.
    int nextWaitMs();
    void pageLoaded();

private:
    int m_nextWaitMs = kFirstWaitMs;
};
