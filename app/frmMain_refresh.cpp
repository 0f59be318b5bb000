// Refresh scheduling: a rate picked re-arms the watched tabs; the five tab
// timers reload their own view, the countdown reloads the tab in front.
#include "app/frmMain.h"

#include "app/core/Countdown.h"
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
    m_browsers[0]->RefreshUnlessEditing();
}

void frmMain::Timer2_Timer()
{
    m_browsers[1]->RefreshUnlessEditing();
}

void frmMain::Timer3_Timer()
{
    m_browsers[2]->RefreshUnlessEditing();
}

void frmMain::Timer4_Timer()
{
    m_browsers[3]->RefreshUnlessEditing();
}

void frmMain::Timer5_Timer()
{
    m_browsers[4]->RefreshUnlessEditing();
}

void frmMain::Timer6_Timer()
{
    const CountdownTick tick = countdownTick(m_countdown);
    m_countdown = tick.count;
    if (!tick.reloadFront)
        return;
    if (BrowserView *view = currentView())
        view->RefreshUnlessEditing();
}
