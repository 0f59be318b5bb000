// The overview of the watched items: one window at a time, without owner,
// updated every second while it is open.
#include "app/MainWindow.h"

#include "app/WatchTab.h"
#include "app/WatchedItemsWindow.h"
#include "app/core/WatchSummary.h"
#include "app/core/WatchTabs.h"
#include "platform/BrowserView.h"
#include "platform/TabStrip.h"
#include "platform/WindowPlacement.h"

#include <QTimer>

namespace {

QString statusOf(const PageHealth &health, bool changed)
{
    if (health.notResponding)
        return QStringLiteral("not responding");
    if (!health.loadError.isEmpty())
        return QStringLiteral("not answering");
    if (changed)
        return QStringLiteral("changed");
    if (health.pausedForTyping || health.waitingForDialog)
        return QStringLiteral("paused");
    return QStringLiteral("live");
}

} // namespace

// What the tabs tell so far: no followed values, no end, no history yet.
QList<WatchSummary> MainWindow::watchSummaries(const QDateTime & /*now*/) const
{
    QList<WatchSummary> summaries;
    for (int i = 0; i < kWatchTabCount; ++i) {
        const WatchTab *tab = m_watchTabs[i];
        if (tab->isFree())
            continue;
        const PageHealth health = tab->view()->health();
        WatchSummary summary;
        summary.tab = i;
        summary.itemNumber = tab->itemNumber();
        summary.title = tab->view()->title();
        summary.lastDrawn = health.lastDrawn;
        summary.changed = m_tabs->isTabMarked(i);
        summary.status = statusOf(health, summary.changed);
        summaries << summary;
    }
    return summaries;
}

WatchedItemsWindow *MainWindow::watchedItemsWindow() const
{
    return m_watchedItems;
}

void MainWindow::showWatchedItems()
{
    if (!m_watchedItems) {
        m_watchedItems = new WatchedItemsWindow;
        connect(m_watchedItems, &WatchedItemsWindow::tabChosen, this, &MainWindow::showWatchTab);
        connect(this, &MainWindow::programEnded, m_watchedItems, &QWidget::close);
        connect(this, &QObject::destroyed, m_watchedItems, &QObject::deleteLater);
        // The timer goes with the window.
        auto *timer = new QTimer(m_watchedItems);
        timer->setInterval(1000);
        connect(timer, &QTimer::timeout, this, &MainWindow::updateWatchedItems);
        timer->start();
        updateWatchedItems();
    }
    bringForward(m_watchedItems);
}

void MainWindow::updateWatchedItems()
{
    if (m_watchedItems) {
        const QDateTime now = QDateTime::currentDateTime();
        m_watchedItems->setSummaries(watchSummaries(now), now);
    }
}

void MainWindow::showWatchTab(int tab)
{
    m_tabs->setCurrent(tab);
    bringForward(this);
}
