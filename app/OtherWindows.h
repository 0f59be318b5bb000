#pragma once

#include <QObject>
#include <QPointer>

class AboutDialog;
class PushDialog;
class MainWindow;
class SavedItemsDialog;
class SearchDialog;
class WatchTabSet;
class WatchedItemsWindow;
struct MainWindowServices;

// The other windows the main window opens: the saved items, the search form,
// the about box, the overview of the watched items and the push settings. One
// of each at a time, without owner; each goes with the main window. What they ask of the main
// window comes out as signals.
class OtherWindows final : public QObject
{
    Q_OBJECT

public:
    // The services are the main window's, and live as long as it does.
    OtherWindows(MainWindow *window, const MainWindowServices &services, WatchTabSet *watchTabs);

    void showSavedItems();
    // The saved items, with an item number filled in for saving.
    void saveItem(const QString &itemNumber);
    void openSearch();
    void showAbout();
    // The overview, updated every second while it is open.
    void showWatchedItems();
    void showPushSettings();

signals:
    void watchRequested(const QString &itemNumber);
    void searchRequested(const QString &address);
    void tabChosen(int tab);

private:
    SavedItemsDialog *reachSavedItemsDialog();
    void updateWatchedItems();

    MainWindow *m_window;
    const MainWindowServices &m_services;
    WatchTabSet *m_watchTabs;
    QPointer<SavedItemsDialog> m_savedItems;
    QPointer<SearchDialog> m_search;
    QPointer<AboutDialog> m_about;
    QPointer<WatchedItemsWindow> m_watchedItems;
    QPointer<PushDialog> m_pushSettings;
};
