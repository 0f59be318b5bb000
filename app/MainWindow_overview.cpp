// The overview of the watched items: one window at a time, without owner,
// updated every second while it is open.
#include "app/MainWindow.h"

#include "app/WatchTabSet.h"
#include "app/WatchedItemsWindow.h"
#include "app/core/WatchSummary.h"
#include "platform/SettingsStore.h"
#include "platform/WindowPlacement.h"

#include <QTimer>

void MainWindow::showWatchedItems()
{
    if (!m_watchedItems) {
        m_watchedItems = new WatchedItemsWindow;
        // The overview opens where it was last closed, as far as the screens allow.
        const QRect kept = m_services.settings->watchedItemsGeometry();
        if (kept.isValid())
            m_watchedItems->setGeometry(kept);
        connect(m_watchedItems, &WatchedItemsWindow::closing, this,
                [this](const QRect &geometry) { m_services.settings->setWatchedItemsGeometry(geometry); });
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
        m_watchedItems->setSummaries(m_watchTabs->summaries(now), now);
    }
}
