// Watching: filling a free tab with an item, giving the tab in front back, and
// the refresh rate, which re-arms the watched tabs and runs the five-minute
// countdown that reloads the tab in front.
#include "app/MainWindow.h"

#include "app/WatchTab.h"
#include "app/core/Countdown.h"
#include "app/core/LocalPages.h"
#include "app/core/ReloadSpread.h"
#include "app/core/ReloadStatus.h"
#include "app/core/WatchedItems.h"
#include "app/core/TabCaptions.h"
#include "app/core/TabToolTip.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/MessageDialog.h"
#include "platform/SettingsStore.h"
#include "platform/TabStrip.h"
#include "app/ItemBox.h"
#include "platform/TextBox.h"
#include "platform/WindowPlacement.h"

#include <QDateTime>
#include <algorithm>

void MainWindow::applyTimerChanges(const RefreshRate &rate)
{
    if (rate.startCountdown)
        m_fiveMinuteCountdown->setEnabled(true);
    if (rate.stopTabTimers) {
        for (WatchTab *tab : m_watchTabs)
            tab->stopReloading();
    }
    if (rate.stopCountdown)
        m_fiveMinuteCountdown->setEnabled(false);
}

QString MainWindow::settleRate()
{
    const QString typed = m_rateBox->currentText();
    // The rate in force settled again says nothing new: why the box last went back stays told.
    if (typed == m_rateInForce)
        return m_rateInForce;
    const RateInForce rate = settleRateText(typed, m_rateInForce);
    m_rateInForce = rate.text;
    m_rateBox->setText(rate.text);
    m_rateBox->setToolTip(rate.toolTip);
    return m_rateInForce;
}

void MainWindow::watchItem()
{
    const QString itemNumber = m_itemBox->text();
    const RefreshRate rate = lookupRefreshRate(settleRate());
    applyTimerChanges(rate);

    const auto free = std::find_if(m_watchTabs.begin(), m_watchTabs.end(), [](WatchTab *tab) { return tab->isFree(); });
    if (free == m_watchTabs.end()) {
        m_services.messages->show(this, QStringLiteral("There are no available watch windows left.   "),
                                  QStringLiteral("Gavrin"), MessageDialog::Icon::Information);
        return;
    }
    (*free)->watch(itemNumber, rate.periodMs);
    updateReloadStatus();
}

void MainWindow::releaseTab()
{
    WatchTab *tab = watchTab(m_tabs->current());
    if (!tab)
        return;
    tab->release(programFilePath(blankPageName()));
    updateReloadStatus();
}

void MainWindow::applyPickedRate()
{
    const RefreshRate rate = lookupRefreshRate(settleRate());
    applyTimerChanges(rate);
    QList<int> periods;
    for (WatchTab *tab : m_watchTabs)
        periods << (tab->isFree() ? 0 : rate.periodMs);
    armSpread(periods);
    updateReloadStatus();
}

void MainWindow::armSpread(const QList<int> &periods)
{
    // Tabs armed together would reload together: their first waits are spread.
    const QList<int> firstWaits = firstReloadWaitsMs(periods);
    for (int i = 0; i < kWatchTabCount; ++i) {
        if (!m_watchTabs[i]->isFree())
            m_watchTabs[i]->rearm(periods[i], firstWaits[i]);
    }
}

void MainWindow::showWatchTab(int tab)
{
    bringForward(this);
    if (isWatchTab(tab))
        m_tabs->setCurrent(tab);
}

void MainWindow::setEndingSoonLead(int minutes)
{
    for (WatchTab *tab : m_watchTabs)
        tab->setEndingSoonLead(minutes);
}

void MainWindow::tickCountdown()
{
    const CountdownTick tick = countdownTick(m_countdown);
    m_countdown = tick.count;
    if (!tick.reloadFront)
        return;
    const int front = m_tabs->current();
    if (WatchTab *tab = watchTab(front))
        tab->reloadByCountdown(kCountdownPeriodMs);
    else if (BrowserView *view = this->view(front))
        view->reloadOnTimer({QString(), kCountdownPeriodMs});
}

void MainWindow::updateReloadStatus()
{
    const QDateTime now = QDateTime::currentDateTime();
    for (WatchTab *tab : m_watchTabs)
        tab->showStatus(m_fiveMinuteCountdown->isRunning(), m_countdown, now);
    // The services tab browses anywhere and is never reloaded on a timer of its own.
    const BrowserView *services = servicesView();
    const ReloadStatus status = pageMessageStatus(services->health());
    m_tabs->setTabReloadStatus(kServicesTab, status.fractionLeft,
                               tabToolTip(status.tooltip, services->title(), services->address(), true), status.tone);
}

void MainWindow::tickStatus(const QDateTime &now)
{
    if (m_lateStatusTicks.late(now, m_statusTimer->interval())) {
        // Every tab's plan is out of date: the watched tabs reload within a
        // few seconds, a second apart, and at "5 Minutes" the countdown's next
        // tick reloads the tab in front and starts over.
        for (int i = 0; i < kWatchTabCount; ++i)
            m_watchTabs[i]->wake(now, i * 1000);
        if (m_fiveMinuteCountdown->isRunning())
            m_countdown = QStringLiteral("1");
    }
    updateReloadStatus();
}

void MainWindow::storeWatchedItems()
{
    QList<WatchedItem> items;
    for (const WatchTab *tab : m_watchTabs) {
        if (!tab->isFree())
            items.append(tab->keptItem());
    }
    m_services.settings->setWatchedItems(watchedItemsToText(items));
    m_services.settings->setRefreshRate(m_rateInForce);
}

void MainWindow::reopenWatchedItems()
{
    if (!m_services.settings->reopensWatchedItems())
        return;
    // The rate comes back with its timers: items watched at "5 Minutes" have
    // no timer of their own and reload by the countdown.
    const QString rate = m_services.settings->refreshRate();
    if (refreshRateTexts().contains(rate)) {
        m_rateBox->setText(rate);
        m_rateInForce = rate;
        applyTimerChanges(lookupRefreshRate(rate));
    }
    QList<int> periods(kWatchTabCount, 0);
    for (const WatchedItem &item : watchedItemsFromText(m_services.settings->watchedItems(), kWatchTabCount)) {
        m_watchTabs[item.tab]->watch(item.itemNumber, item.periodMs);
        m_watchTabs[item.tab]->restore(item);
        periods[item.tab] = item.periodMs;
    }
    armSpread(periods);
    updateReloadStatus();
}
