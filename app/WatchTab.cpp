#include "app/WatchTab.h"

#include "app/core/ReloadStatus.h"
#include "app/core/SiteAddresses.h"
#include "app/core/TabToolTip.h"
#include "app/core/WatchTabs.h"
#include "platform/BrowserView.h"
#include "platform/IntervalTimer.h"
#include "platform/Notifier.h"
#include "platform/TabStrip.h"

#include <QDateTime>

WatchTab::WatchTab(int index, TabStrip *tabs, BrowserView *view, const SiteConfig &site, Notifier *notifier,
                   QObject *parent)
    : QObject(parent)
    , m_index(index)
    , m_tabs(tabs)
    , m_view(view)
    , m_reloadTimer(new IntervalTimer(this))
    , m_site(site)
    , m_notifier(notifier)
{
    m_tabs->setCaption(m_index, availableCaption());
    connect(m_reloadTimer, &IntervalTimer::timeout, this, [this] { reloadOnTimer(m_reloadTimer->interval()); });

    m_view->setElementAlertsEnabled(true);
    connect(m_view, &BrowserView::elementChosen, this, [this](const QString &text) { m_elementWatch.emplace(text); });
    connect(m_view, &BrowserView::elementRead, this, &WatchTab::elementRead);
    connect(m_view, &BrowserView::elementWatchStopped, this, &WatchTab::stopAlert);
    // A dialog the page raised out of sight was not shown: the tab catches the eye.
    connect(m_view, &BrowserView::dialogRefused, this, &WatchTab::markUnlessInFront);
}

void WatchTab::watch(const QString &itemNumber, int periodMs)
{
    m_itemNumber = itemNumber;
    m_view->open(itemPageAddress(m_site, itemNumber));
    m_tabs->setCaption(m_index, itemCaption(itemNumber));
    m_tabs->setCurrent(m_index);
    m_reloadTimer->setInterval(periodMs);
    m_reloadTimer->setEnabled(true);
}

void WatchTab::release(const QString &blankPage)
{
    m_itemNumber.reset();
    m_view->open(blankPage);
    m_reloadTimer->setEnabled(false);
    m_tabs->setCaption(m_index, availableCaption());
    stopAlert();
}

void WatchTab::rearm(int periodMs)
{
    m_reloadTimer->setEnabled(false);
    m_reloadTimer->setInterval(periodMs);
    m_reloadTimer->setEnabled(true);
}

void WatchTab::stopReloading()
{
    m_reloadTimer->setEnabled(false);
}

void WatchTab::reloadOnTimer(int periodMs)
{
    TimedReload reload;
    reload.periodMs = periodMs;
    if (m_itemNumber)
        reload.formAnswerReplacement = itemPageAddress(m_site, *m_itemNumber);
    m_view->reloadOnTimer(reload);
}

void WatchTab::showStatus(bool countdownRunning, const QString &countdownText, const QDateTime &now)
{
    const PageHealth health = m_view->health();
    ReloadStatus status;
    if (m_itemNumber) {
        const ReloadTimerState timer{m_reloadTimer->isEnabled(), m_reloadTimer->interval(),
                                     m_reloadTimer->remainingTime()};
        status = reloadStatus(timer, countdownRunning, countdownText, health, now);
    } else {
        status = pageMessageStatus(health);
    }
    // Only a watched tab claims to show its item; a free one may browse anywhere.
    const bool onSite = isFree() || isOnSite(m_site, m_view->address());
    m_tabs->setTabReloadStatus(m_index, status.fractionLeft,
                               tabToolTip(status.tooltip, m_view->title(), m_view->address(), onSite), status.tone);
    m_tabs->setTabOffSite(m_index, !onSite);
}

void WatchTab::elementRead(bool found, const QString &text)
{
    if (!m_elementWatch)
        return;
    const auto change = m_elementWatch->observe(found ? std::optional<QString>(text) : std::nullopt);
    if (!change)
        return;
    markUnlessInFront();
    m_notifier->notify(QStringLiteral("Gavrin"), alertMessage(m_tabs->caption(m_index), *change));
}

void WatchTab::stopAlert()
{
    m_view->stopWatchingElement();
    m_elementWatch.reset();
    m_tabs->setTabMarked(m_index, false);
}

void WatchTab::markUnlessInFront()
{
    if (m_tabs->current() != m_index)
        m_tabs->setTabMarked(m_index, true);
}
