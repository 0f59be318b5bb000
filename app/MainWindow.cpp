#include "app/MainWindow.h"

#include "app/ItemBox.h"
#include "app/WatchTab.h"
#include "app/core/Countdown.h"
#include "app/core/TabCaptions.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/ClassicLook.h"
#include "platform/IntervalTimer.h"
#include "platform/Notifier.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"
#include "platform/WindowPlacement.h"
#include "platform/core/ProgramFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QDateTime>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr double kClientWidthTwips = 9360;
constexpr double kClientHeightTwips = 5775;

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

MainWindow::MainWindow(const MainWindowServices &services, QWidget *parent)
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
    setupKeys();
    setupFocusOrder();
    m_client->installEventFilter(this);
    keepStateAcrossNativeWindows(this);

    const QSize clientSize(twipsToPixelsX(this, kClientWidthTwips), twipsToPixelsY(this, kClientHeightTwips));
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

WatchTab *MainWindow::watchTab(int tab) const
{
    return isWatchTab(tab) ? m_watchTabs[tab] : nullptr;
}

BrowserView *MainWindow::view(int tab) const
{
    return tab >= 0 && tab < int(m_views.size()) ? m_views[tab] : nullptr;
}

BrowserView *MainWindow::servicesView() const
{
    return m_views[kServicesTab];
}

QString MainWindow::programFilePath(const QString &name) const
{
    return ::programFilePath(m_services.programFolder, name);
}

QToolButton *MainWindow::addPictureButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &tooltip,
                                          double left, double top, double height)
{
    auto *button = new QToolButton(parent);
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(tooltip);
    if (parent == m_client)
        placeOnTopRow(button, left, top, 520, height);
    else
        placeInTwips(button, left, top, 520, height);
    return button;
}

void MainWindow::placeOnTopRow(QWidget *control, double left, double top, double width, double height, bool withNext)
{
    placeInTwips(control, left, top, width, height);
    m_topRow.append({control, left, top, width, height, withNext});
}

void MainWindow::setupTopRow(QWidget *client)
{
    m_topBar = blueBar(client, 0);
    m_lowerBar = blueBar(client, 520);
    m_backButton = addPictureButton(client, QStyle::SP_ArrowBack, QStringLiteral("Back one page"), 80);
    m_forwardButton = addPictureButton(client, QStyle::SP_ArrowForward, QStringLiteral("Forward one page"), 600);
    m_stopButton = addPictureButton(client, QStyle::SP_BrowserStop, QStringLiteral("Stop"), 1125);
    m_reloadButton = addPictureButton(client, QStyle::SP_BrowserReload, QStringLiteral("Refresh"), 1650);
    m_homeButton = addPictureButton(client, QStyle::SP_DirHomeIcon, QStringLiteral("eBay Home Page"), 2175);

    m_rateBox = new ChoiceBox(refreshRateTexts(), client);
    m_rateInForce = defaultRefreshRateText();
    m_rateBox->setText(m_rateInForce);
    m_rateBox->setToolTip(settleRateText(m_rateInForce, m_rateInForce).toolTip);
    // A pick from the list, also of the rate already shown; typing runs nothing.
    connect(m_rateBox, &QComboBox::activated, this, &MainWindow::applyPickedRate);
    // A typed text is settled once the box is left or Enter pressed in it.
    connect(m_rateBox->lineEdit(), &QLineEdit::editingFinished, this, &MainWindow::settleRate);
    placeOnTopRow(m_rateBox, 2900, 150, 1200, 315);

    QLabel *itemLabel = darkBlueLabel(QStringLiteral("Item #"), client);
    placeOnTopRow(itemLabel, 4190, 210, 495, 195, true);

    m_itemBox = new ItemBox(client);
    m_itemBox->setToolTip(QStringLiteral("Enter item number to Watch"));
    placeOnTopRow(m_itemBox, 4690, 157, 1095, 300);
    connect(m_itemBox, &QLineEdit::returnPressed, this, &MainWindow::watchItem);
    connect(m_itemBox, &TextBox::clicked, m_itemBox, &QLineEdit::selectAll);

    m_watchButton =
        addPictureButton(client, QStyle::SP_DialogApplyButton, QStringLiteral("Add this item to Watch"), 5880);
    m_releaseButton =
        addPictureButton(client, QStyle::SP_TrashIcon, QStringLiteral("Remove current item from Watch"), 6405);
    m_searchButton =
        addPictureButton(client, QStyle::SP_FileDialogContentsView, QStringLiteral("Search eBay for items"), 6930);
    m_saveItemButton =
        addPictureButton(client, QStyle::SP_DialogSaveButton, QStringLiteral("Save the current item"), 7455);
    m_openSavedButton =
        addPictureButton(client, QStyle::SP_DialogOpenButton, QStringLiteral("Open a saved item"), 7980);
    m_closeButton = addPictureButton(client, QStyle::SP_DialogCloseButton, QStringLiteral("Close program"), 8780);

    connect(m_watchButton, &QToolButton::clicked, this, &MainWindow::watchItem);
    connect(m_releaseButton, &QToolButton::clicked, this, &MainWindow::releaseTab);
    connect(m_backButton, &QToolButton::clicked, this, &MainWindow::goBack);
    connect(m_forwardButton, &QToolButton::clicked, this, &MainWindow::goForward);
    connect(m_stopButton, &QToolButton::clicked, this, &MainWindow::releaseTab);
    connect(m_reloadButton, &QToolButton::clicked, this, &MainWindow::reloadTab);
    connect(m_homeButton, &QToolButton::clicked, this, &MainWindow::openHomePage);
    connect(m_closeButton, &QToolButton::clicked, this, &MainWindow::closeProgram);
    connect(m_searchButton, &QToolButton::clicked, this, &MainWindow::openSearch);
    connect(m_saveItemButton, &QToolButton::clicked, this, &MainWindow::saveCurrentItem);
    connect(m_openSavedButton, &QToolButton::clicked, this, &MainWindow::showSavedItems);
}

void MainWindow::setupTabStrip(QWidget *client)
{
    m_tabs = new TabStrip(6, client);
    m_tabs->setCaption(kServicesTab, servicesCaption());
    m_tabs->tabBar()->setFont(classicFont(QStringLiteral("MS Sans Serif"), 8.25));
    placeInTwips(m_tabs, 0, 660, 9380, 5115);

    for (int i = 0; i < int(m_views.size()); ++i) {
        BrowserView *view = m_services.createView(m_tabs);
        m_tabs->addToTab(i, view);
        const double top = i == kServicesTab ? 880 : 480;
        placeInTwips(view, 120, top, 9130, i == kServicesTab ? 4165 : 4565);
        m_views[i] = view;
        connect(view, &BrowserView::newPageRequested, this, &MainWindow::openNewPage);
        connect(view, &BrowserView::healthChanged, this, &MainWindow::updateReloadStatus);
        connect(view, &BrowserView::titleOrAddressChanged, this, &MainWindow::updateReloadStatus);
        if (isWatchTab(i))
            m_watchTabs[i] = new WatchTab(i, m_tabs, view, m_services.site, m_services.notifier, this);
    }
    if (m_services.notifier)
        connect(m_services.notifier, &Notifier::clicked, this, &MainWindow::showWatchTab);
    connect(servicesView(), &BrowserView::documentComplete, this, &MainWindow::servicesPageLoaded);
    servicesView()->reportFrameLoads();
    connect(servicesView(), &BrowserView::frameComplete, this, &MainWindow::servicesPageLoaded);
    // A dialog a page raised out of sight was not shown: its tab catches the eye.
    connect(servicesView(), &BrowserView::dialogRefused, this, [this] {
        if (m_tabs->current() != kServicesTab)
            m_tabs->setTabMarked(kServicesTab, true);
    });
    // A marked tab has caught the eye once the user brings it to the front.
    connect(m_tabs, &TabStrip::currentChanged, this, [this](int tab) { m_tabs->setTabMarked(tab, false); });
    m_tabs->setCurrent(0);
}

void MainWindow::setupAddressRow()
{
    QLabel *addressLabel = darkBlueLabel(QStringLiteral("Address"), m_tabs);
    placeInTwips(addressLabel, 600, 525, 585, 195);
    m_addressBox = new TextBox(m_tabs);
    m_addressBox->setToolTip(QStringLiteral("Enter an address"));
    placeInTwips(m_addressBox, 1440, 480, 6855, 285);
    m_visitButton =
        addPictureButton(m_tabs, QStyle::SP_CommandLink, QStringLiteral("Visit this site"), 8400, 460, 325);
    for (QWidget *control : {static_cast<QWidget *>(addressLabel), static_cast<QWidget *>(m_addressBox),
                             static_cast<QWidget *>(m_visitButton)})
        m_tabs->addToTab(kServicesTab, control);
    connect(m_addressBox, &TextBox::clicked, m_addressBox, &QLineEdit::selectAll);
    connect(m_visitButton, &QToolButton::clicked, this, &MainWindow::visitAddress);
}

void MainWindow::setupFocusOrder()
{
    const QList<QWidget *> order = {m_itemBox,     m_rateBox,        m_watchButton,     m_releaseButton,
                                    m_searchButton, m_saveItemButton, m_openSavedButton, m_backButton,
                                    m_forwardButton, m_stopButton,    m_reloadButton,    m_homeButton,
                                    m_closeButton,  m_tabs->tabBar(), m_visitButton,     m_addressBox};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::setupTimers()
{
    m_fiveMinuteCountdown = new IntervalTimer(this);
    m_fiveMinuteCountdown->setInterval(1000);
    connect(m_fiveMinuteCountdown, &IntervalTimer::timeout, this, &MainWindow::tickCountdown);
    m_countdown = countdownStart();

    m_statusTimer = new QTimer(this);
    m_statusTimer->setInterval(500);
    connect(m_statusTimer, &QTimer::timeout, this, [this] { tickStatus(QDateTime::currentDateTime()); });
    m_statusTimer->start();
}
