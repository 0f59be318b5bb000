#include "app/MainWindow.h"

#include "app/ServicesTab.h"
#include "app/TopRow.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "app/core/TabCaptions.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/ClassicLook.h"
#include "platform/Notifier.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"
#include "platform/TwipsGeometry.h"
#include "platform/WindowPlacement.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramName.h"

#include <QMenuBar>

namespace {

constexpr double kClientHeightTwips = 5775;

} // namespace

MainWindow::MainWindow(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setWindowTitle(programName());
    setFont(classicFont(QStringLiteral("Tahoma"), 8.25));

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    setupTopRow();
    setupTabStrip();
    setupMenus();
    setupKeys();
    setupFocusOrder();
    m_client->installEventFilter(this);
    keepStateAcrossNativeWindows(this);

    const QSize clientSize(twipsToPixelsX(this, TopRow::kMadeWidthTwips), twipsToPixelsY(this, kClientHeightTwips));
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

BrowserView *MainWindow::currentView() const
{
    const int front = m_tabs->current();
    return isWatchTab(front) ? m_watchTabs->tab(front)->view() : m_servicesTab->view();
}

QString MainWindow::programFilePath(const QString &name) const
{
    return ::programFilePath(m_services.programFolder, name);
}

void MainWindow::setupTopRow()
{
    m_topRow = new TopRow(m_client);
    connect(m_topRow, &TopRow::backClicked, this, &MainWindow::goBack);
    connect(m_topRow, &TopRow::forwardClicked, this, &MainWindow::goForward);
    connect(m_topRow, &TopRow::releaseClicked, this, &MainWindow::releaseTab);
    connect(m_topRow, &TopRow::reloadClicked, this, &MainWindow::reloadTab);
    connect(m_topRow, &TopRow::homeClicked, this, &MainWindow::openHomePage);
    connect(m_topRow, &TopRow::watchClicked, this, &MainWindow::watchItem);
    connect(m_topRow, &TopRow::searchClicked, this, &MainWindow::openSearch);
    connect(m_topRow, &TopRow::saveItemClicked, this, &MainWindow::saveCurrentItem);
    connect(m_topRow, &TopRow::openSavedClicked, this, &MainWindow::showSavedItems);
    connect(m_topRow, &TopRow::closeClicked, this, &MainWindow::closeProgram);
    connect(m_topRow, &TopRow::ratePicked, this, &MainWindow::applyPickedRate);
    connect(m_topRow, &TopRow::rateTyped, this,
            [this] { m_watchTabs->settleRate(m_topRow->rateBox()->currentText()); });
}

void MainWindow::setupTabStrip()
{
    m_tabs = new TabStrip(kTabCount, m_client);
    m_tabs->tabBar()->setFont(classicFont(QStringLiteral("MS Sans Serif"), 8.25));
    placeInTwips(m_tabs, 0, 660, 9380, 5115);

    std::array<BrowserView *, kWatchTabCount> watchViews{};
    for (int i = 0; i < kTabCount; ++i) {
        BrowserView *view = m_services.createView(m_tabs);
        m_tabs->addToTab(i, view);
        // A page the user asked to open in a new window: this program has one
        // window, so it goes to the services tab, which comes to the front.
        connect(view, &BrowserView::newPageRequested, this,
                [this](const QString &address) { m_servicesTab->open(address); });
        if (i == kServicesTab) {
            placeInTwips(view, 120, 880, 9130, 4165);
            m_servicesTab = new ServicesTab(m_tabs, view, this);
        } else {
            placeInTwips(view, 120, 480, 9130, 4565);
            watchViews[i] = view;
        }
    }
    m_watchTabs = new WatchTabSet(m_tabs, watchViews, m_services.site, m_services.notifier, m_services.settings, this);
    const RateInForce &rate = m_watchTabs->rateInForce();
    m_topRow->showRate(rate.text, rate.toolTip);
    connect(m_watchTabs, &WatchTabSet::rateSettled, m_topRow, &TopRow::showRate);
    connect(m_watchTabs, &WatchTabSet::countdownReachedServices, m_servicesTab, &ServicesTab::reloadByCountdown);
    if (m_services.notifier)
        connect(m_services.notifier, &Notifier::clicked, this, &MainWindow::showWatchTab);
    // A marked tab has caught the eye once the user brings it to the front.
    connect(m_tabs, &TabStrip::currentChanged, this, [this](int tab) { m_tabs->setTabMarked(tab, false); });
    m_tabs->setCurrent(0);
}

void MainWindow::setupFocusOrder()
{
    const QList<QWidget *> order =
        m_topRow->focusOrder() + QList<QWidget *>{m_tabs->tabBar()} + m_servicesTab->focusOrder();
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
