// Refresh scheduling: a rate picked re-arms the watched tabs; the five tab
// timers reload their own view, the countdown reloads the tab in front.
#include "app/frmMain.h"

#include "app/core/Countdown.h"
#include "app/core/TrimData.h"
#include "app/core/WatchTabs.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"

void frmMain::cmbRefresh_Click()
{
    const RefreshRate rate = lookupRefreshRate(cmbRefresh->currentText());
    applyTimerChanges(rate);
    for (int tab = 0; tab < kWatchTabCount; ++tab) {
        if (SSTab1->TabCaption(tab) == availableCaption())
            continue;
        IntervalTimer *timer = m_tabTimers[tab];
        timer->setEnabled(false);
        timer->setInterval(rate.periodMs);
        timer->setEnabled(true);
    }
    updateReloadStatus();
}

void frmMain::Timer1_Timer()
{
    reloadTabOnTimer(0, m_tabTimers[0]->interval());
}

void frmMain::Timer2_Timer()
{
    reloadTabOnTimer(1, m_tabTimers[1]->interval());
}

void frmMain::Timer3_Timer()
{
    reloadTabOnTimer(2, m_tabTimers[2]->interval());
}

void frmMain::Timer4_Timer()
{
    reloadTabOnTimer(3, m_tabTimers[3]->interval());
}

void frmMain::Timer5_Timer()
{
    reloadTabOnTimer(4, m_tabTimers[4]->interval());
}

void frmMain::Timer6_Timer()
{
    const CountdownTick tick = countdownTick(m_countdown);
    m_countdown = tick.count;
    if (!tick.reloadFront)
        return;
    reloadTabOnTimer(SSTab1->Tab(), kCountdownPeriodMs);
}

void frmMain::reloadTabOnTimer(int tab, int periodMs)
{
    BrowserView *view = browser(tab);
    if (!view)
        return;
    TimedReload reload;
    reload.periodMs = periodMs;
    // A watched tab showing the answer to a form goes back to its item's page.
    if (isWatchTab(tab) && SSTab1->TabCaption(tab) != availableCaption())
        reload.formAnswerReplacement = itemPageAddress(m_services.site, trim_data(SSTab1->TabCaption(tab), 5, 0));
    view->reloadOnTimer(reload);
}
