#include "app/frmMain.h"

#include "app/core/Countdown.h"
#include "app/core/LocalPages.h"
#include "app/core/WatchTabs.h"
#include "app/core/WinState.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/ClassicLook.h"
#include "platform/IntervalTimer.h"
#include "platform/MessageDialog.h"
#include "platform/ReloadTabBar.h"
#include "platform/SettingsStore.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"
#include "platform/WindowPlacement.h"
#include "platform/core/ProgramFolder.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

namespace {

constexpr double kClientWidthTwips = 9360;
constexpr double kClientHeightTwips = 5775;

Qt::WindowStates toWindowStates(WinState state)
{
    switch (state) {
    case WinState::Minimised:
        return Qt::WindowMinimized;
    case WinState::Maximised:
        return Qt::WindowMaximized;
    case WinState::Normal:
        break;
    }
    return Qt::WindowNoState;
}

WinState fromWindowStates(Qt::WindowStates states)
{
    if (states & Qt::WindowMinimized)
        return WinState::Minimised;
    if (states & Qt::WindowMaximized)
        return WinState::Maximised;
    return WinState::Normal;
}

} // namespace

frmMain::frmMain(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setWindowTitle(QStringLiteral("Gavrin"));
    setFont(classicFont(QStringLiteral("Tahoma"), 8.25));

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    setupTopRow(m_client);
    setupTabStrip(m_client);
    setupAddressRow();
    setupTimers();
    setupMenus();
    setupSavedItems();
    setupFocusOrder();
    setupAlerts();
    m_client->installEventFilter(this);
    keepStateAcrossNativeWindows(this);

    const QSize clientSize(twipsToPixelsX(this, kClientWidthTwips), twipsToPixelsY(this, kClientHeightTwips));
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());
}

frmMain::~frmMain() = default;

BrowserView *frmMain::browser(int tab) const
{
    return tab >= 0 && tab < int(m_browsers.size()) ? m_browsers[tab] : nullptr;
}

IntervalTimer *frmMain::tabTimer(int tab) const
{
    return isWatchTab(tab) ? m_tabTimers[tab] : nullptr;
}

QString frmMain::programFilePath(const QString &name) const
{
    return ::programFilePath(m_services.programFolder, name);
}

QToolButton *frmMain::addPictureButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &tooltip,
                                       double left, double top, double height)
{
    auto *button = new QToolButton(parent);
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(tooltip);
    placeInTwips(button, left, top, 520, height);
    return button;
}

namespace {

QLabel *blueBar(QWidget *client, double top)
{
    auto *bar = new QLabel(client);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    bar->setPalette(palette);
    placeInTwips(bar, 0, top, kClientWidthTwips, 75);
    return bar;
}

QLabel *darkBlueLabel(const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    setDarkBlueText(label);
    return label;
}

} // namespace

void frmMain::setupTopRow(QWidget *client)
{
    Label2 = blueBar(client, 0);
    Label3 = blueBar(client, 520);
    Command2 = addPictureButton(client, QStyle::SP_ArrowBack, QStringLiteral("Back one page"), 80);
    Command3 = addPictureButton(client, QStyle::SP_ArrowForward, QStringLiteral("Forward one page"), 600);
    Command4 = addPictureButton(client, QStyle::SP_BrowserStop, QStringLiteral("Stop"), 1125);
    Command5 = addPictureButton(client, QStyle::SP_BrowserReload, QStringLiteral("Refresh"), 1650);
    Command6 = addPictureButton(client, QStyle::SP_DirHomeIcon, QStringLiteral("eBay Home Page"), 2175);

    cmbRefresh = new ChoiceBox(refreshRateTexts(), client);
    cmbRefresh->setText(defaultRefreshRateText());
    cmbRefresh->setToolTip(QStringLiteral("Choose page refresh rate"));
    // A pick from the list, also of the rate already shown; typing runs nothing.
    connect(cmbRefresh, &QComboBox::activated, this, &frmMain::cmbRefresh_Click);
    placeInTwips(cmbRefresh, 2900, 150, 1200, 315);

    Label4 = darkBlueLabel(QStringLiteral("Item #"), client);
    placeInTwips(Label4, 4190, 210, 495, 195);

    txtItem = new TextBox(client);
    txtItem->setToolTip(QStringLiteral("Enter item number to Watch"));
    placeInTwips(txtItem, 4690, 157, 1095, 300);
    connect(txtItem, &TextBox::keyPressed, this, &frmMain::txtItem_KeyPress);
    connect(txtItem, &TextBox::clicked, this, &frmMain::txtItem_Click);

    cmdOK = addPictureButton(client, QStyle::SP_DialogApplyButton, QStringLiteral("Add this item to Watch"), 5880);
    Command1 = addPictureButton(client, QStyle::SP_TrashIcon, QStringLiteral("Remove current item from Watch"), 6405);
    Command10 = addPictureButton(client, QStyle::SP_FileDialogContentsView, QStringLiteral("Search eBay for items"), 6930);
    Command8 = addPictureButton(client, QStyle::SP_DialogSaveButton, QStringLiteral("Save the current item"), 7455);
    Command9 = addPictureButton(client, QStyle::SP_DialogOpenButton, QStringLiteral("Open a saved item"), 7980);
    Command7 = addPictureButton(client, QStyle::SP_DialogCloseButton, QStringLiteral("Close program"), 8780);

    connect(cmdOK, &QToolButton::clicked, this, &frmMain::cmdOk_Click);
    connect(Command1, &QToolButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QToolButton::clicked, this, &frmMain::Command2_Click);
    connect(Command3, &QToolButton::clicked, this, &frmMain::Command3_Click);
    connect(Command4, &QToolButton::clicked, this, &frmMain::Command4_Click);
    connect(Command5, &QToolButton::clicked, this, &frmMain::Command5_Click);
    connect(Command6, &QToolButton::clicked, this, &frmMain::Command6_Click);
    connect(Command7, &QToolButton::clicked, this, &frmMain::Command7_Click);
    connect(Command10, &QToolButton::clicked, this, &frmMain::Command10_Click);
}

void frmMain::setupTabStrip(QWidget *client)
{
    SSTab1 = new TabStrip(6, client);
    for (int i = 0; i < kWatchTabCount; ++i)
        SSTab1->setTabCaption(i, availableCaption());
    SSTab1->setTabCaption(kServicesTab, servicesCaption());
    SSTab1->tabBar()->setFont(classicFont(QStringLiteral("MS Sans Serif"), 8.25));
    placeInTwips(SSTab1, 0, 660, 9380, 5115);

    for (int i = 0; i < int(m_browsers.size()); ++i) {
        BrowserView *view = m_services.createView(SSTab1);
        view->setObjectName(QStringLiteral("WebBrowser%1").arg(i + 1));
        SSTab1->addToTab(i, view);
        const double top = i == kServicesTab ? 880 : 480;
        placeInTwips(view, 120, top, 9130, i == kServicesTab ? 4165 : 4565);
        m_browsers[i] = view;
        connect(view, &BrowserView::newPageRequested, this, &frmMain::openNewPage);
    }
    connect(m_browsers[kServicesTab], &BrowserView::documentComplete, this, &frmMain::WebBrowser6_DocumentComplete);
    connect(m_browsers[kServicesTab], &BrowserView::frameComplete, this, &frmMain::WebBrowser6_DocumentComplete);
    SSTab1->setTab(0);
}

void frmMain::setupAddressRow()
{
    Label5 = darkBlueLabel(QStringLiteral("Address"), SSTab1);
    placeInTwips(Label5, 600, 525, 585, 195);
    Text2 = new TextBox(SSTab1);
    Text2->setToolTip(QStringLiteral("Enter an address"));
    placeInTwips(Text2, 1440, 480, 6855, 285);
    Command11 = addPictureButton(SSTab1, QStyle::SP_CommandLink, QStringLiteral("Visit this site"), 8400, 460, 325);
    for (QWidget *control : {static_cast<QWidget *>(Label5), static_cast<QWidget *>(Text2),
                             static_cast<QWidget *>(Command11)})
        SSTab1->addToTab(kServicesTab, control);
    connect(Text2, &TextBox::clicked, this, &frmMain::Text2_Click);
    connect(Command11, &QToolButton::clicked, this, &frmMain::Command11_Click);
}

void frmMain::setupFocusOrder()
{
    const QList<QWidget *> order = {txtItem,  cmbRefresh, cmdOK,    Command1, Command10, Command8,
                                    Command9, Command2,   Command3, Command4, Command5,  Command6,
                                    Command7, SSTab1->tabBar(), Command11, Text2};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmMain::setupTimers()
{
    using Tick = void (frmMain::*)();
    const std::array<Tick, kWatchTabCount> ticks = {&frmMain::Timer1_Timer, &frmMain::Timer2_Timer,
                                                    &frmMain::Timer3_Timer, &frmMain::Timer4_Timer,
                                                    &frmMain::Timer5_Timer};
    for (int i = 0; i < kWatchTabCount; ++i) {
        m_tabTimers[i] = new IntervalTimer(this);
        connect(m_tabTimers[i], &IntervalTimer::timeout, this, ticks[i]);
    }
    Timer6 = new IntervalTimer(this);
    Timer6->setInterval(1000);
    connect(Timer6, &IntervalTimer::timeout, this, &frmMain::Timer6_Timer);
    m_countdown = countdownStart();
}

void frmMain::applyStoredWinState()
{
    setWindowState(toWindowStates(winStateFromText(m_services.settings->winState())));
}

void frmMain::Form_Load()
{
    centreOnScreen(this);

    applyStoredWinState();
    show();
    applyStoredWinState();
    m_browsers[0]->Navigate(programFilePath(splashPageName()));
    for (int i = 1; i < kWatchTabCount; ++i)
        m_browsers[i]->Navigate(programFilePath(blankPageName()));
    m_browsers[kServicesTab]->Navigate(programFilePath(helpPageName()));
    txtItem->setFocus();
    tellIgnoredSiteKeys();
}

void frmMain::tellIgnoredSiteKeys()
{
    if (m_services.ignoredSiteKeys.isEmpty())
        return;
    m_services.messages->show(this,
                              QStringLiteral("%1: these keys of [Site] were ignored and keep their defaults:\n%2")
                                  .arg(siteConfigFileName(), m_services.ignoredSiteKeys.join(QLatin1Char('\n'))),
                              windowTitle(), MessageDialog::Icon::Exclamation);
}

void frmMain::shutdown()
{
    for (IntervalTimer *timer : m_tabTimers)
        timer->setEnabled(false);
    Timer6->setEnabled(false);
    m_services.settings->setWinState(winStateToText(fromWindowStates(windowState())));
}

void frmMain::Command7_Click()
{
    // Closing runs the shutdown sequence once, in Form_Unload.
    close();
}

void frmMain::mnuClose_Click()
{
    Command7_Click();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    shutdown();
    if (!m_ended) {
        m_ended = true;
        emit programEnded();
    }
}
