// The other windows: the saved items, plain or with the item of the tab in
// front, the search form and the about box. Each asks the main window for
// what it wants through its signals.
#include "app/MainWindow.h"

#include "about/AboutDialog.h"
#include "app/ItemBox.h"
#include "app/TopRow.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "platform/TabStrip.h"
#include "platform/WindowPlacement.h"
#include "platform/core/DataLocation.h"
#include "saved/SavedItemsDialog.h"
#include "search/SearchDialog.h"

// One dialog at most; each creation reads the file anew, from where it lives
// now: an old file beside an installed program is read until the first save
// has put one in the data folder.
SavedItemsDialog *MainWindow::reachSavedItemsDialog()
{
    if (!m_savedItems) {
        const DataLocation files = decideDataLocation(
            gatherDataFacts(m_services.programFolder, m_services.dataFolder, m_services.configFolder));
        m_savedItems = new SavedItemsDialog(files.savedItemsReadPath, files.savedItemsSavePath, *m_services.messages);
        connect(m_savedItems, &SavedItemsDialog::watchRequested, this, [this](const QString &itemNumber) {
            m_topRow->itemBox()->setText(itemNumber);
            watchItem();
        });
        // The program ends with the main window; the dialog goes with it and writes nothing.
        connect(this, &MainWindow::programEnded, m_savedItems, &SavedItemsDialog::discard);
        connect(this, &QObject::destroyed, m_savedItems, &SavedItemsDialog::discard);
        m_savedItems->start();
    }
    return m_savedItems;
}

void MainWindow::showSavedItems()
{
    bringForward(reachSavedItemsDialog());
}

void MainWindow::saveCurrentItem()
{
    const WatchTab *tab = m_watchTabs->tab(m_tabs->current());
    if (tab && !tab->isFree())
        reachSavedItemsDialog()->setItemNumber(tab->itemNumber());
    showSavedItems();
}

void MainWindow::openSearch()
{
    if (!m_search) {
        m_search = new SearchDialog(m_services.site);
        connect(m_search, &SearchDialog::searchRequested, this, &MainWindow::showSearchResults);
    }
    bringForward(m_search);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about =
            new AboutDialog(m_services.site.makerSite, *m_services.shell, *m_services.registry, *m_services.messages);
    bringForward(m_about);
}
