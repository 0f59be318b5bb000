#pragma once

#include "app/core/RefreshRates.h"
#include "platform/BrowserViewFactory.h"
#include "platform/core/SiteConfig.h"

#include <QMainWindow>
#include <QStyle>
#include <array>

class BrowserView;
class IntervalTimer;
class MessageDialog;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;
class SettingsStore;
class TabStrip;
class TextBox;

// What the main window needs from the platform; tests give fakes.
struct MainWindowServices
{
    BrowserViewFactory createView;
    MessageDialog *messages = nullptr;
    SettingsStore *settings = nullptr;
    QString programFolder;
    SiteConfig site;
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

    // Controls the other windows and the tests reach.
    TabStrip *SSTab1 = nullptr;
    TextBox *txtItem = nullptr;
    QToolButton *cmdOK = nullptr;
    QComboBox *cmbRefresh = nullptr;
    BrowserView *browser(int tab) const;     // WebBrowser1..WebBrowser6 by tab index
    IntervalTimer *tabTimer(int tab) const;  // Timer1..Timer5 by tab index
    IntervalTimer *Timer6 = nullptr;
    QString programFilePath(const QString &name) const;
    const SiteConfig &site() const { return m_services.site; }

signals:
    // The main window has closed; the program ends with it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();
    void shutdown();
    void applyTimerChanges(const RefreshRate &rate);
    void applyStoredWinState();

    void setupTopRow(QWidget *client);
    void setupTabStrip(QWidget *client);
    void setupTimers();
    void setupMenus();
    QToolButton *addPictureButton(QWidget *client, QStyle::StandardPixmap icon, const QString &tooltip,
                                  double left, double top = 120);

    MainWindowServices m_services;
    std::array<BrowserView *, 6> m_browsers{};
    std::array<IntervalTimer *, 5> m_tabTimers{};
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
    QLabel *Label4 = nullptr;
    bool m_ended = false;
};
