#pragma once

#include "app/core/LateTicks.h"
#include "app/core/RefreshRates.h"
#include "app/core/SiteAddresses.h"
#include "app/core/SiteConfig.h"
#include "platform/BrowserViewFactory.h"

#include <QMainWindow>
#include <QPointer>
#include <QVector>
#include <QStyle>
#include <array>

class AboutDialog;
class BrowserView;
class ChoiceBox;
class IntervalTimer;
class ItemBox;
class MessageDialog;
class Notifier;
class QAction;
class QDateTime;
class QLabel;
class QTimer;
class QToolButton;
class Registry;
class SavedItemsDialog;
class SearchDialog;
class SettingsStore;
class Shell;
class TabStrip;
class TextBox;
class WatchTab;
class WatchedItemsWindow;
struct WatchSummary;

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
    QStringList ignoredSiteKeys;  // "Key=value: why", or why the file gave none; told once at start-up
};

// The main window: five watch tabs and the services tab, the item entry, the
// refresh rate and its five-minute countdown, the browsing commands and the menus.
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
    // Minutes before its end from which a tab reloads faster and says it ends soon.
    void setEndingSoonLead(int minutes);
    void tickCountdown();
    void updateReloadStatus();
    // Every half second: the tabs' status, and after a tick far later than
    // planned (the machine slept) the watched tabs wake.
    void tickStatus(const QDateTime &now);
    // Brings the window forward with a watch tab in front, as a click on its
    // notification or its row of the overview asks.
    void showWatchTab(int tab);

    // Browsing on the tab in front, and the services tab.
    void goBack();
    void goForward();
    void reloadTab();
    void openHomePage();
    void visitAddress();
    void enterAddress();
    void openSitePage(SitePage page);
    void openHelp();

    // The other windows: one of each at a time, without owner.
    void showSavedItems();
    void saveCurrentItem();
    void openSearch();
    void showAbout();
    SavedItemsDialog *savedItemsDialog() const;  // the open one, or none

    // The overview of the watched items; a row chosen shows its tab.
    void showWatchedItems();
    WatchedItemsWindow *watchedItemsWindow() const;  // the open one, or none
    QList<WatchSummary> watchSummaries(const QDateTime &now) const;

    TabStrip *tabs() const { return m_tabs; }
    WatchTab *watchTab(int tab) const;
    BrowserView *view(int tab) const;   // the five watch views, then the services view
    ItemBox *itemBox() const { return m_itemBox; }
    ChoiceBox *rateBox() const { return m_rateBox; }
    TextBox *addressBox() const { return m_addressBox; }
    QLabel *topBar() const { return m_topBar; }
    QLabel *lowerBar() const { return m_lowerBar; }
    QAction *openSavedAction() const { return m_openSavedAction; }
    QAction *saveCurrentAction() const { return m_saveCurrentAction; }
    IntervalTimer *fiveMinuteCountdown() const { return m_fiveMinuteCountdown; }
    QString countdown() const { return m_countdown; }
    QString programFilePath(const QString &name) const;
    const SiteConfig &site() const { return m_services.site; }

signals:
    // The main window has closed; the program ends with it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupTopRow(QWidget *client);
    void setupTabStrip(QWidget *client);
    void setupAddressRow();
    void setupTimers();
    void setupMenus();
    void setupKeys();
    void setupFocusOrder();
    void placeOnTopRow(QWidget *control, double left, double top, double width, double height,
                       bool withNext = false);
    QToolButton *addPictureButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &tooltip,
                                  double left, double top = 120, double height = 375);

    void applyStoredWinState();
    void storeWatchedItems();
    void reopenWatchedItems();
    void tellIgnoredSiteKeys();
    void shutdown();
    void fitToWindow();
    int wrapTopRowControls(double clientWidth);
    void focusItemBox();
    void stepTab(int step);
    void applyTimerChanges(const RefreshRate &rate);
    // The rate box's text, when it is a rate, is the rate in force; any other
    // text gives way to it. Returns the rate in force.
    QString settleRate();
    // Arms each watching tab at its period (0: no timed reload), first reloads spread.
    void armSpread(const QList<int> &periods);
    BrowserView *currentView() const;
    BrowserView *servicesView() const;
    void openNewPage(const QString &address);
    void showSearchResults(const QString &address);
    void servicesPageLoaded();
    SavedItemsDialog *reachSavedItemsDialog();
    void updateWatchedItems();

    // A control of the top row and where it was made, in twips, for wrapping it.
    struct TopRowControl
    {
        QWidget *widget;
        double left, top, width, height;
        bool withNext;
    };

    MainWindowServices m_services;
    QVector<TopRowControl> m_topRow;
    QWidget *m_client = nullptr;
    TabStrip *m_tabs = nullptr;
    std::array<BrowserView *, 6> m_views{};
    std::array<WatchTab *, 5> m_watchTabs{};
    IntervalTimer *m_fiveMinuteCountdown = nullptr;
    QString m_countdown;
    QString m_rateInForce;          // what a tab watched now gets, and what is kept for the next run
    QTimer *m_statusTimer = nullptr;
    LateTicks m_lateStatusTicks;

    QLabel *m_topBar = nullptr;
    QLabel *m_lowerBar = nullptr;
    ItemBox *m_itemBox = nullptr;
    ChoiceBox *m_rateBox = nullptr;
    TextBox *m_addressBox = nullptr;
    QToolButton *m_watchButton = nullptr;
    QToolButton *m_releaseButton = nullptr;
    QToolButton *m_searchButton = nullptr;
    QToolButton *m_saveItemButton = nullptr;
    QToolButton *m_openSavedButton = nullptr;
    QToolButton *m_backButton = nullptr;
    QToolButton *m_forwardButton = nullptr;
    QToolButton *m_stopButton = nullptr;
    QToolButton *m_reloadButton = nullptr;
    QToolButton *m_homeButton = nullptr;
    QToolButton *m_closeButton = nullptr;
    QToolButton *m_visitButton = nullptr;
    QAction *m_openSavedAction = nullptr;
    QAction *m_saveCurrentAction = nullptr;

    QPointer<SavedItemsDialog> m_savedItems;
    QPointer<SearchDialog> m_search;
    QPointer<AboutDialog> m_about;
    QPointer<WatchedItemsWindow> m_watchedItems;
    bool m_ended = false;
};
