#pragma once

#include "app/core/SiteAddresses.h"
#include "app/core/SiteConfig.h"
#include "platform/BrowserViewFactory.h"

#include <QMainWindow>

class BrowserView;
class ClientLayout;
class MessageDialog;
class Notifier;
class OtherWindows;
class Registry;
class ServicesTab;
class SettingsStore;
class Shell;
class TabStrip;
class TopRow;
class WatchTabSet;

// What the main window needs from the platform; tests give fakes.
struct MainWindowServices
{
    BrowserViewFactory createView;
    MessageDialog *messages = nullptr;
    SettingsStore *settings = nullptr;
    Notifier *notifier = nullptr;
    Shell *shell = nullptr;
    Registry *registry = nullptr;
    QString programFolder;
    // The user's folders an installed program keeps its files in (QStandardPaths).
    QString dataFolder;
    QString configFolder;
    SiteConfig site;
    QStringList ignoredSiteKeys; // "Key=value: why", or why the file gave none; told once at start-up
};

// The main window puts the top row, the five watch tabs and the services tab
// together with its menus, its keys and the other windows it opens.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowServices &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Shows the window in its stored state and loads the start pages.
    void start();
    void closeProgram();

    // Watch tabs and refresh.
    void watchItem();
    void releaseTab();
    void applyPickedRate();
    // Brings the window forward with a watch tab in front, as a click on its
    // notification or its row of the overview asks.
    void showWatchTab(int tab);

    // Browsing on the tab in front, and the services tab.
    void goBack();
    void goForward();
    void reloadTab();
    void openHomePage();
    void enterAddress();
    void openSitePage(SitePage page);
    void openHelp();

    // The other windows: one of each at a time, without owner.
    void showSavedItems();
    void saveCurrentItem();
    void openSearch();
    void showAbout();

    // The overview of the watched items; a row chosen shows its tab.
    void showWatchedItems();
    // The push to the phone: its address, events and test.
    void showPushSettings();

signals:
    // The main window has closed; the program ends with it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setupTopRow();
    void setupTabStrip();
    void setupOtherWindows();
    void setupFocusOrder();

    QString localPagePath(const QString &name) const;
    void tellIgnoredSiteKeys();
    void shutdown();
    BrowserView *currentView() const;
    void showSearchResults(const QString &address);

    MainWindowServices m_services;
    QWidget *m_client = nullptr;
    TopRow *m_topRow = nullptr;
    TabStrip *m_tabs = nullptr;
    WatchTabSet *m_watchTabs = nullptr;
    ServicesTab *m_servicesTab = nullptr;
    ClientLayout *m_layout = nullptr;

    OtherWindows *m_otherWindows = nullptr;
    bool m_ended = false;
};
