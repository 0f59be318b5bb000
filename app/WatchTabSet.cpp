#include "app/WatchTabSet.h"

#include "app/AlertPush.h"
#include "app/TabAlerts.h"
#include "app/WatchTab.h"
#include "app/core/ReloadSpread.h"
#include "app/core/WatchSummary.h"
#include "app/core/WatchedItems.h"
#include "platform/BrowserView.h"
#include "platform/IntervalTimer.h"
#include "platform/PushSender.h"
#include "platform/SettingsStore.h"
#include "platform/TabStrip.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>

WatchTabSet::WatchTabSet(TabStrip *tabs, const std::array<BrowserView *, kWatchTabCount> &views, const SiteConfig &site,
                         Notifier *notifier, SettingsStore *settings, QObject *parent)
    : QObject(parent)
    , m_tabs(tabs)
    , m_settings(settings)
    , m_push(new AlertPush(settings, new PushSender, this))
{
    for (int i = 0; i < kWatchTabCount; ++i) {
        m_watchTabs[i] = new WatchTab(i, tabs, views[i], site, notifier, settings, m_push, this);
        auto showNow = [this] { showStatus(QDateTime::currentDateTime()); };
        connect(views[i], &BrowserView::healthChanged, this, showNow);
        connect(views[i], &BrowserView::titleOrAddressChanged, this, showNow);
    }
    // A push given up is told on its tab.
    connect(m_push, &AlertPush::failed, this, [this](int tab, const QString &why) {
        if (isWatchTab(tab))
            m_watchTabs[tab]->alerts()->pushFailed(why);
    });
    m_rate = settleRateText(defaultRefreshRateText(), defaultRefreshRateText());

    m_fiveMinuteCountdown = new IntervalTimer(this);
    m_fiveMinuteCountdown->setObjectName(QStringLiteral("fiveMinuteCountdown"));
    m_fiveMinuteCountdown->setInterval(1000);
    connect(m_fiveMinuteCountdown, &IntervalTimer::timeout, this, &WatchTabSet::tickCountdown);

    // Once a second, and precise, so the seconds shown count down evenly. Each
    // tick redraws the window, which composes the web view it shows anew.
    m_statusTimer = new QTimer(this);
    m_statusTimer->setTimerType(Qt::PreciseTimer);
    m_statusTimer->setInterval(1000);
    connect(m_statusTimer, &QTimer::timeout, this, [this] { tickStatus(QDateTime::currentDateTime()); });
    m_statusTimer->start();
}

WatchTab *WatchTabSet::tab(int index) const
{
    return isWatchTab(index) ? m_watchTabs[index] : nullptr;
}

QString WatchTabSet::settleRate(const QString &typed)
{
    // The rate in force settled again says nothing new: why the box last went back stays told.
    if (typed != m_rate.text) {
        m_rate = settleRateText(typed, m_rate.text);
        emit rateSettled(m_rate.text, m_rate.toolTip);
    }
    return m_rate.text;
}

void WatchTabSet::applyTimerChanges(const RefreshRate &rate)
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

bool WatchTabSet::watch(const QString &itemNumber, const QString &typedRate)
{
    const RefreshRate rate = lookupRefreshRate(settleRate(typedRate));
    applyTimerChanges(rate);
    const auto free = std::find_if(m_watchTabs.begin(), m_watchTabs.end(), [](WatchTab *tab) { return tab->isFree(); });
    if (free == m_watchTabs.end())
        return false;
    (*free)->watch(itemNumber, rate.periodMs);
    showStatus(QDateTime::currentDateTime());
    return true;
}

void WatchTabSet::applyRate(const QString &typedRate)
{
    const RefreshRate rate = lookupRefreshRate(settleRate(typedRate));
    applyTimerChanges(rate);
    QList<int> periods;
    for (WatchTab *tab : m_watchTabs)
        periods << (tab->isFree() ? 0 : rate.periodMs);
    armSpread(periods);
    showStatus(QDateTime::currentDateTime());
}

void WatchTabSet::armSpread(const QList<int> &periods)
{
    // Tabs armed together would reload together: their first waits are spread.
    const QList<int> firstWaits = firstReloadWaitsMs(periods);
    for (int i = 0; i < kWatchTabCount; ++i) {
        if (!m_watchTabs[i]->isFree())
            m_watchTabs[i]->rearm(periods[i], firstWaits[i]);
    }
}

void WatchTabSet::release(int index, const QString &blankPage)
{
    if (WatchTab *watchTab = tab(index)) {
        watchTab->release(blankPage);
        showStatus(QDateTime::currentDateTime());
    }
}

void WatchTabSet::setEndingSoonLead(int minutes)
{
    for (WatchTab *tab : m_watchTabs)
        tab->setEndingSoonLead(minutes);
}

void WatchTabSet::tickCountdown()
{
    const CountdownTick tick = countdownTick(m_countdown);
    m_countdown = tick.count;
    if (!tick.reloadFront)
        return;
    if (WatchTab *front = tab(m_tabs->current()))
        front->reloadByCountdown(kCountdownPeriodMs);
    else
        emit countdownReachedServices(kCountdownPeriodMs);
}

void WatchTabSet::showStatus(const QDateTime &now)
{
    for (WatchTab *tab : m_watchTabs)
        tab->showStatus(m_fiveMinuteCountdown->isRunning(), m_countdown, now);
}

void WatchTabSet::tickStatus(const QDateTime &now)
{
    if (m_lateStatusTicks.late(now, m_statusTimer->interval())) {
        // Every tab's plan is out of date: the watched tabs reload within a
        // few seconds, a second apart, and at "5 Minutes" the countdown's next
        // tick reloads the tab in front and starts over.
        for (int i = 0; i < kWatchTabCount; ++i)
            m_watchTabs[i]->wake(now, i * 1000);
        if (m_fiveMinuteCountdown->isRunning())
            m_countdown = 1;
    }
    showStatus(QDateTime::currentDateTime());
}

QList<WatchSummary> WatchTabSet::summaries(const QDateTime &now) const
{
    QList<WatchSummary> summaries;
    for (const WatchTab *tab : m_watchTabs) {
        if (!tab->isFree())
            summaries << tab->summary(now, m_fiveMinuteCountdown->isRunning(), m_countdown);
    }
    return summaries;
}

void WatchTabSet::stopAndStore()
{
    QList<WatchedItem> items;
    for (WatchTab *tab : m_watchTabs) {
        tab->stopReloading();
        if (!tab->isFree())
            items.append(tab->keptItem());
    }
    m_fiveMinuteCountdown->setEnabled(false);
    m_settings->setWatchedItems(watchedItemsToText(items));
    m_settings->setRefreshRate(m_rate.text);
}

void WatchTabSet::reopen()
{
    if (!m_settings->reopensWatchedItems())
        return;
    // The rate comes back with its timers: items watched at "5 Minutes" have
    // no timer of their own and reload by the countdown.
    const QString rate = m_settings->refreshRate();
    if (refreshRateTexts().contains(rate)) {
        m_rate.text = rate;
        emit rateSettled(m_rate.text, m_rate.toolTip);
        applyTimerChanges(lookupRefreshRate(rate));
    }
    QList<int> periods(kWatchTabCount, 0);
    for (const WatchedItem &item : watchedItemsFromText(m_settings->watchedItems(), kWatchTabCount)) {
        m_watchTabs[item.tab]->watch(item.itemNumber, item.periodMs);
        m_watchTabs[item.tab]->restore(item);
        periods[item.tab] = item.periodMs;
    }
    armSpread(periods);
    showStatus(QDateTime::currentDateTime());
}
