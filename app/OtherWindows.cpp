#include "app/OtherWindows.h"

#include "about/AboutDialog.h"
#include "app/FollowedElements.h"
#include "app/MainWindow.h"
#include "app/PushDialog.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "app/WatchedItemsWindow.h"
#include "app/core/WatchSummary.h"
#include "platform/SettingsStore.h"
#include "platform/WindowPlacement.h"
#include "platform/core/DataLocation.h"
#include "saved/SavedItemsDialog.h"
#include "search/SearchDialog.h"

#include <QTimer>

OtherWindows::OtherWindows(MainWindow *window, const MainWindowServices &services, WatchTabSet *watchTabs)
    : QObject(window)
    , m_window(window)
    , m_services(services)
    , m_watchTabs(watchTabs)
{
}

// One dialog at most; each creation reads the file anew, from where it lives
// now: an old file beside an installed program is read until the first save
// has put one in the data folder.
SavedItemsDialog *OtherWindows::reachSavedItemsDialog()
{
    if (!m_savedItems) {
        const DataLocation files = decideDataLocation(
            gatherDataFacts(m_services.programFolder, m_services.dataFolder, m_services.configFolder));
        m_savedItems = new SavedItemsDialog(files.savedItemsReadPath, files.savedItemsSavePath, *m_services.messages);
        connect(m_savedItems, &SavedItemsDialog::watchRequested, this, &OtherWindows::watchRequested);
        // The program ends with the main window; the dialog goes with it and writes nothing.
        connect(m_window, &MainWindow::programEnded, m_savedItems, &SavedItemsDialog::discard);
        connect(m_window, &QObject::destroyed, m_savedItems, &SavedItemsDialog::discard);
        m_savedItems->start();
    }
    return m_savedItems;
}

void OtherWindows::showSavedItems()
{
    bringForward(reachSavedItemsDialog());
}

void OtherWindows::saveItem(const QString &itemNumber)
{
    reachSavedItemsDialog()->setItemNumber(itemNumber);
    showSavedItems();
}

void OtherWindows::openSearch()
{
    if (!m_search) {
        m_search = new SearchDialog(m_services.site);
        connect(m_search, &SearchDialog::searchRequested, this, &OtherWindows::searchRequested);
    }
    bringForward(m_search);
}

void OtherWindows::showAbout()
{
    if (!m_about)
        m_about =
            new AboutDialog(m_services.site.makerSite, *m_services.shell, *m_services.registry, *m_services.messages);
    bringForward(m_about);
}

void OtherWindows::showWatchedItems()
{
    if (!m_watchedItems) {
        m_watchedItems = new WatchedItemsWindow;
        // The overview opens where it was last closed, as far as the screens allow.
        const QRect kept = m_services.settings->watchedItemsGeometry();
        if (kept.isValid())
            m_watchedItems->setGeometry(kept);
        connect(m_watchedItems, &WatchedItemsWindow::closing, this,
                [this](const QRect &geometry) { m_services.settings->setWatchedItemsGeometry(geometry); });
        connect(m_watchedItems, &WatchedItemsWindow::tabChosen, this, &OtherWindows::tabChosen);
        connect(m_watchedItems, &WatchedItemsWindow::conditionAsked, this, [this](int tab, int element) {
            if (WatchTab *watchTab = m_watchTabs->tab(tab))
                watchTab->followed()->askCondition(element);
        });
        connect(m_window, &MainWindow::programEnded, m_watchedItems, &QWidget::close);
        connect(m_window, &QObject::destroyed, m_watchedItems, &QObject::deleteLater);
        // The timer goes with the window.
        auto *timer = new QTimer(m_watchedItems);
        timer->setInterval(1000);
        connect(timer, &QTimer::timeout, this, &OtherWindows::updateWatchedItems);
        timer->start();
        updateWatchedItems();
    }
    bringForward(m_watchedItems);
}

void OtherWindows::showPushSettings()
{
    // One saved or cancelled a moment ago is hidden, and gone soon.
    if (!m_pushSettings || m_pushSettings->isHidden()) {
        m_pushSettings = new PushDialog(m_watchTabs->push());
        connect(m_window, &QObject::destroyed, m_pushSettings, &QObject::deleteLater);
    }
    bringForward(m_pushSettings);
}

void OtherWindows::updateWatchedItems()
{
    if (m_watchedItems) {
        const QDateTime now = QDateTime::currentDateTime();
        m_watchedItems->setSummaries(m_watchTabs->summaries(now), now);
    }
}
