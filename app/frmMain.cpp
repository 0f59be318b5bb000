#include "app/frmMain.h"

#include "app/core/LocalPages.h"
#include "app/core/WatchTabs.h"
#include "app/core/WinState.h"
#include "platform/BrowserView.h"
#include "platform/IntervalTimer.h"
#include "platform/SettingsStore.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"
#include "platform/core/ProgramFolder.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

namespace {

constexpr double kClientWidthTwips = 9360;
constexpr double kClientHeightTwips = 5775;
const QColor kDarkBlue(0, 0, 192);

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
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);

    auto *client = new QWidget(this);
    setCentralWidget(client);
    setupTopRow(client);
    setupTabStrip(client);
    setupTimers();
    setupMenus();

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

QToolButton *frmMain::addPictureButton(QWidget *client, QStyle::StandardPixmap icon, const QString &tooltip,
                                       double left, double top)
{
    auto *button = new QToolButton(client);
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(tooltip);
    button->setAutoRaise(false);
    placeInTwips(button, left, top, 520, 375);
    return button;
}

void frmMain::setupTopRow(QWidget *client)
{
    Command2 = addPictureButton(client, QStyle::SP_ArrowBack, QStringLiteral("Back one page"), 80);
    Command3 = addPictureButton(client, QStyle::SP_ArrowForward, QStringLiteral("Forward one page"), 600);
    Command4 = addPictureButton(client, QStyle::SP_BrowserStop, QStringLiteral("Stop"), 1125);
    Command5 = addPictureButton(client, QStyle::SP_BrowserReload, QStringLiteral("Refresh"), 1650);
    Command6 = addPictureButton(client, QStyle::SP_DirHomeIcon, QStringLiteral("eBay Home Page"), 2175);

    cmbRefresh = new QComboBox(client);
    cmbRefresh->setEditable(true);
    cmbRefresh->setInsertPolicy(QComboBox::NoInsert);
    cmbRefresh->addItems(refreshRateTexts());
    cmbRefresh->setCurrentText(defaultRefreshRateText());
    cmbRefresh->setToolTip(QStringLiteral("Choose page refresh rate"));
    placeInTwips(cmbRefresh, 2900, 150, 1200, 315);

    Label4 = new QLabel(QStringLiteral("Item #"), client);
    QPalette palette = Label4->palette();
    palette.setColor(QPalette::WindowText, kDarkBlue);
    Label4->setPalette(palette);
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
    connect(Command4, &QToolButton::clicked, this, &frmMain::Command4_Click);
    connect(Command7, &QToolButton::clicked, this, &frmMain::Command7_Click);

    // Wired as their commands arrive.
    for (QToolButton *later : {Command2, Command3, Command5, Command6, Command8, Command9, Command10})
        later->setEnabled(false);
}

void frmMain::setupTabStrip(QWidget *client)
{
    SSTab1 = new TabStrip(6, client);
    for (int i = 0; i < kWatchTabCount; ++i)
        SSTab1->setTabCaption(i, availableCaption());
    SSTab1->setTabCaption(kServicesTab, servicesCaption());
    QFont tabFont(QStringLiteral("MS Sans Serif"));
    tabFont.setPointSizeF(8.25);
    SSTab1->tabBar()->setFont(tabFont);
    placeInTwips(SSTab1, 0, 660, 9380, 5115);

    for (int i = 0; i < int(m_browsers.size()); ++i) {
        BrowserView *view = m_services.createView(SSTab1);
        view->setObjectName(QStringLiteral("WebBrowser%1").arg(i + 1));
        SSTab1->addToTab(i, view);
        const double top = i == kServicesTab ? 880 : 480;
        placeInTwips(view, 120, top, 9130, i == kServicesTab ? 4165 : 4565);
        m_browsers[i] = view;
    }
    SSTab1->setTab(0);
}

void frmMain::setupTimers()
{
    for (int i = 0; i < kWatchTabCount; ++i)
        m_tabTimers[i] = new IntervalTimer(this);
    Timer6 = new IntervalTimer(this);
    Timer6->setInterval(1000);
}

void frmMain::setupMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    connect(mnuFile->addAction(QStringLiteral("&Close Program")), &QAction::triggered, this, &frmMain::mnuClose_Click);
    QMenu *mnuNavigate = menuBar()->addMenu(QStringLiteral("&Navigate"));
    connect(mnuNavigate->addAction(QStringLiteral("&Stop Current Tab")), &QAction::triggered, this,
            &frmMain::mnuStop_Click);
}

void frmMain::applyStoredWinState()
{
    setWindowState(toWindowStates(winStateFromText(m_services.settings->winState())));
}

void frmMain::Form_Load()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());

    applyStoredWinState();
    show();
    applyStoredWinState();
    m_browsers[0]->Navigate(programFilePath(splashPageName()));
    for (int i = 1; i < kWatchTabCount; ++i)
        m_browsers[i]->Navigate(programFilePath(blankPageName()));
    m_browsers[kServicesTab]->Navigate(programFilePath(helpPageName()));
    txtItem->setFocus();
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
    shutdown();
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
