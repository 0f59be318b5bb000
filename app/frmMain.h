#pragma once

#include "app/core/ElementWatch.h"
#include "app/core/RefreshRates.h"
#include "app/core/SiteAddresses.h"
#include "platform/BrowserViewFactory.h"
#include "platform/core/SiteConfig.h"

#include <QMainWindow>
#include <QPointer>
#include <QStyle>
#include <array>
#include <optional>

class BrowserView;
class Form2;
class IntervalTimer;
class MessageDialog;
class Notifier;
class QAction;
class ChoiceBox;
class QLabel;
class QTimer;
class QToolButton;
class Registry;
class Search;
class SettingsStore;
class Shell;
class frmAbout;
class TabStrip;
class TextBox;

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
    SiteConfig site;
    QStringList ignoredSiteKeys;  // "Key=value: why", told once at start-up
};

// The main window: five watch tabs and the services tab, the item entry, the
// reload timers, the browsing commands and the menus.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(const MainWindowServices &services, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up and shutdown.
    void Form_Load();
    void Command7_Click();
    void mnuClose_Click();

    // Watch tabs.
    void cmdOk_Click();
    void txtItem_KeyPress(int key);
    void txtItem_Click();
    void release_current_tab();
    void Command1_Click();
    void Command4_Click();
    void mnuStop_Click();

    // Refresh scheduling.
    void cmbRefresh_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();

    // Browsing commands and site menus.
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void mnuBack_Click();
    void mnuForward_Click();
    void mnuRefresh_Click();
    void mnuHome_Click();
    void Text2_Click();
    void Command11_Click();
    void mnuEnter_Click();
    void mnuMy_Click();
    void mnuSell_Click();
    void mnuCredit_Click();
    void mnuPost_Click();
    void mnuMsgBoard_Click();
    void mnuSearchSeller_Click();
    void mnuBidder_Click();
    void mnuCompleted_Click();
    void mnuInternational_Click();
    void mnuBelvax_Click();
    void mnuContents_Click();
    void WebBrowser6_DocumentComplete();

    // Layout.
    void Form_Resize();

    // What each watch tab's header says about its next reload.
    void updateReloadStatus();

    // Saved watch items.
    void Command9_Click();
    void mnuOpen_Click();
    void Command8_Click();
    void mnuSave_Click();
    Form2 *savedItemsDialog() const;  // the open one, or none
    MessageDialog *messages() const { return m_services.messages; }

    // Item search and the about box: one of each at a time, without owner.
    void Command10_Click();
    void mnuSearch_Click();
    void mnuAbout_Click();

    // Controls the other windows and the tests reach.
    TabStrip *SSTab1 = nullptr;
    TextBox *txtItem = nullptr;
    QToolButton *cmdOK = nullptr;
    ChoiceBox *cmbRefresh = nullptr;
    TextBox *Text2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    BrowserView *browser(int tab) const;     // WebBrowser1..WebBrowser6 by tab index
    IntervalTimer *tabTimer(int tab) const;  // Timer1..Timer5 by tab index
    IntervalTimer *Timer6 = nullptr;
    QString countdown() const { return m_countdown; }
    QString programFilePath(const QString &name) const;
    const SiteConfig &site() const { return m_services.site; }

    // Menu entries that open the other windows.
    QAction *mnuOpen = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuSearch = nullptr;
    QAction *mnuAbout = nullptr;

signals:
    // The main window has closed; the program ends with it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Unload();
    void shutdown();
    void applyTimerChanges(const RefreshRate &rate);
    void reloadTabOnTimer(int tab, int periodMs);
    void applyStoredWinState();
    BrowserView *currentView() const;
    void openSitePage(SitePage page);
    void openNewPage(const QString &address);
    void setupAlerts();
    void stopAlert(int tab);
    void elementChosen(int tab, const QString &text);
    void elementRead(int tab, bool found, const QString &text);

    void setupTopRow(QWidget *client);
    void setupTabStrip(QWidget *client);
    void setupAddressRow();
    void setupTimers();
    void setupMenus();
    void setupFocusOrder();
    void setupSavedItems();
    void tellIgnoredSiteKeys();
    Form2 *reachSavedItemsDialog();
    QToolButton *addPictureButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &tooltip,
                                  double left, double top = 120, double height = 375);

    MainWindowServices m_services;
    QWidget *m_client = nullptr;
    std::array<BrowserView *, 6> m_browsers{};
    std::array<IntervalTimer *, 5> m_tabTimers{};
    QString m_countdown;
    QTimer *m_reloadStatusTimer = nullptr;
    std::array<std::optional<ElementWatch>, 5> m_elementWatches;
    QToolButton *Command1 = nullptr;
    QToolButton *Command2 = nullptr;
    QToolButton *Command3 = nullptr;
    QToolButton *Command4 = nullptr;
    QToolButton *Command5 = nullptr;
    QToolButton *Command6 = nullptr;
    QToolButton *Command7 = nullptr;
    QToolButton *Command8 = nullptr;
    QToolButton *Command9 = nullptr;
    QToolButton *Command10 = nullptr;
    QToolButton *Command11 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QPointer<Search> m_search;
    QPointer<frmAbout> m_about;
    bool m_ended = false;
    QPointer<Form2> m_Form2;
};
