// What the watch tab headers tell: when the next reload comes, and that a
// chosen part of a page has changed.
#include "app/frmMain.h"

#include "app/core/ReloadStatus.h"
#include "app/core/SiteAddresses.h"
#include "app/core/TabToolTip.h"
#include "app/core/WatchTabs.h"
#include "platform/BrowserView.h"
#include "platform/IntervalTimer.h"
#include "platform/Notifier.h"
#include "platform/TabStrip.h"

#include <QDateTime>
#include <QTimer>

void frmMain::setupAlerts()
{
    m_reloadStatusTimer = new QTimer(this);
    m_reloadStatusTimer->setInterval(500);
    connect(m_reloadStatusTimer, &QTimer::timeout, this, &frmMain::updateReloadStatus);
    m_reloadStatusTimer->start();

    for (int tab = 0; tab < kWatchTabCount; ++tab) {
        BrowserView *view = m_browsers[tab];
        view->setElementAlertsEnabled(true);
        connect(view, &BrowserView::elementChosen, this, [this, tab](const QString &text) { elementChosen(tab, text); });
        connect(view, &BrowserView::elementRead, this,
                [this, tab](bool found, const QString &text) { elementRead(tab, found, text); });
        connect(view, &BrowserView::elementWatchStopped, this, [this, tab] { stopAlert(tab); });
    }
    // A dialog a page raised out of sight was not shown: its tab catches the eye.
    for (int tab = 0; tab < int(m_browsers.size()); ++tab) {
        connect(m_browsers[tab], &BrowserView::healthChanged, this, &frmMain::updateReloadStatus);
        connect(m_browsers[tab], &BrowserView::titleOrAddressChanged, this, &frmMain::updateReloadStatus);
        connect(m_browsers[tab], &BrowserView::dialogRefused, this, [this, tab] {
            if (SSTab1->Tab() != tab)
                SSTab1->setTabMarked(tab, true);
        });
    }
    // A marked tab has caught the eye once the user brings it to the front.
    connect(SSTab1, &TabStrip::currentChanged, this, [this](int tab) { SSTab1->setTabMarked(tab, false); });
}

void frmMain::updateReloadStatus()
{
    const QDateTime now = QDateTime::currentDateTime();
    for (int tab = 0; tab < int(m_browsers.size()); ++tab) {
        const BrowserView *view = m_browsers[tab];
        const bool watched = isWatchTab(tab) && SSTab1->TabCaption(tab) != availableCaption();
        ReloadStatus status;
        if (watched) {
            const IntervalTimer *timer = m_tabTimers[tab];
            status = reloadStatus({timer->isEnabled(), timer->interval(), timer->remainingTime()}, Timer6->isRunning(),
                                  m_countdown, view->health(), now);
        } else if (!view->health().pageMessage.isEmpty()) {
            status.tooltip = QStringLiteral("The page said: %1").arg(view->health().pageMessage);
        }
        // Only a watched tab claims to show its item; the others may browse anywhere.
        const bool onSite = !watched || isOnSite(m_services.site, view->address());
        SSTab1->setTabReloadStatus(tab, status.fractionLeft,
                                   tabToolTip(status.tooltip, view->title(), view->address(), onSite), status.tone);
        SSTab1->setTabOffSite(tab, !onSite);
    }
}

void frmMain::elementChosen(int tab, const QString &text)
{
    m_elementWatches[tab].emplace(text);
}

void frmMain::elementRead(int tab, bool found, const QString &text)
{
    if (!m_elementWatches[tab])
        return;
    const auto change = m_elementWatches[tab]->observe(found ? std::optional<QString>(text) : std::nullopt);
    if (!change)
        return;
    if (SSTab1->Tab() != tab)
        SSTab1->setTabMarked(tab, true);
    m_services.notifier->notify(QStringLiteral("Gavrin"), alertMessage(SSTab1->TabCaption(tab), *change));
}

void frmMain::stopAlert(int tab)
{
    m_browsers[tab]->stopWatchingElement();
    m_elementWatches[tab].reset();
    SSTab1->setTabMarked(tab, false);
}
