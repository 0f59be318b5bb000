#include "app/MainWindow.h"

#include "app/BrowserKeys.h"
#include "app/ClientLayout.h"
#include "app/ItemBox.h"
#include "app/KeptWindowState.h"
#include "app/MainMenus.h"
#include "app/OtherWindows.h"
#include "app/ServicesTab.h"
#include "app/TopRow.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "app/core/LocalPages.h"
#include "app/core/TabCaptions.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/ClassicLook.h"
#include "platform/MessageDialog.h"
#include "platform/Notifier.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"
#include "platform/TwipsGeometry.h"
#include "platform/WindowPlacement.h"
#include "platform/core/DataLocation.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramName.h"
#include "search/core/SearchRequest.h"

#include <QCloseEvent>
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
    setupOtherWindows();
    addMainMenus(this, m_services.settings, m_watchTabs);
    addBrowserKeys(this, m_topRow, m_tabs);
    setupFocusOrder();
    m_layout = new ClientLayout(m_client, m_topRow, m_tabs, m_watchTabs, m_servicesTab);
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

// Beside the executable, or in share/gavrin once installed.
QString MainWindow::localPagePath(const QString &name) const
{
    const DataLocation files = decideDataLocation(
        gatherDataFacts(m_services.programFolder, m_services.dataFolder, m_services.configFolder));
    return programFilePath(files.pagesFolder, name);
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

void MainWindow::setupOtherWindows()
{
    m_otherWindows = new OtherWindows(this, m_services, m_watchTabs);
    connect(m_otherWindows, &OtherWindows::watchRequested, this, [this](const QString &itemNumber) {
        m_topRow->itemBox()->setText(itemNumber);
        watchItem();
    });
    connect(m_otherWindows, &OtherWindows::searchRequested, this, &MainWindow::showSearchResults);
    connect(m_otherWindows, &OtherWindows::tabChosen, this, &MainWindow::showWatchTab);
}

void MainWindow::showSavedItems()
{
    m_otherWindows->showSavedItems();
}

void MainWindow::saveCurrentItem()
{
    const WatchTab *tab = m_watchTabs->tab(m_tabs->current());
    if (tab && !tab->isFree())
        m_otherWindows->saveItem(tab->itemNumber());
    else
        m_otherWindows->showSavedItems();
}

void MainWindow::openSearch()
{
    m_otherWindows->openSearch();
}

void MainWindow::showAbout()
{
    m_otherWindows->showAbout();
}

void MainWindow::showWatchedItems()
{
    m_otherWindows->showWatchedItems();
}

void MainWindow::showPushSettings()
{
    m_otherWindows->showPushSettings();
}

void MainWindow::watchItem()
{
    if (!m_watchTabs->watch(m_topRow->itemBox()->text(), m_topRow->rateBox()->currentText()))
        m_services.messages->show(this, QStringLiteral("There are no available watch windows left.   "), programName(),
                                  MessageDialog::Icon::Information);
}

void MainWindow::releaseTab()
{
    m_watchTabs->release(m_tabs->current(), localPagePath(blankPageName()));
}

void MainWindow::applyPickedRate()
{
    m_watchTabs->applyRate(m_topRow->rateBox()->currentText());
}

void MainWindow::showWatchTab(int tab)
{
    bringForward(this);
    if (isWatchTab(tab))
        m_tabs->setCurrent(tab);
}

void MainWindow::goBack()
{
    BrowserView *view = currentView();
    if (view && !view->back())
        m_services.messages->show(this, QStringLiteral("There are no more pages back   "), QStringLiteral("First Page"),
                                  MessageDialog::Icon::Information);
}

void MainWindow::goForward()
{
    BrowserView *view = currentView();
    if (view && !view->forward())
        m_services.messages->show(this, QStringLiteral("There are no more pages forward   "),
                                  QStringLiteral("Last Page"), MessageDialog::Icon::Information);
}

void MainWindow::reloadTab()
{
    BrowserView *view = currentView();
    if (!view)
        return;
    if (!view->showsFormAnswer()) {
        view->reload();
        return;
    }
    if (m_services.messages->ask(this, QStringLiteral("This page was sent by a form. Send it again?"), programName()))
        view->resendForm();
}

void MainWindow::openHomePage()
{
    if (BrowserView *view = currentView())
        view->open(homePageAddress(m_services.site));
}

void MainWindow::enterAddress()
{
    m_servicesTab->enterAddress();
}

void MainWindow::openSitePage(SitePage page)
{
    m_servicesTab->openLoading(sitePageAddress(m_services.site, page), QStringLiteral("Loading...Please Wait"));
}

void MainWindow::openHelp()
{
    m_servicesTab->open(localPagePath(helpPageName()));
}

void MainWindow::showSearchResults(const QString &address)
{
    m_servicesTab->openLoading(address, searchingCaption());
}

void MainWindow::start()
{
    showAsKept(this, m_services.settings);
    m_watchTabs->tab(0)->view()->open(localPagePath(splashPageName()));
    for (int i = 1; i < kWatchTabCount; ++i)
        m_watchTabs->tab(i)->view()->open(localPagePath(blankPageName()));
    m_servicesTab->view()->open(localPagePath(helpPageName()));
    m_watchTabs->reopen();
    m_topRow->itemBox()->setFocus();
    tellIgnoredSiteKeys();
}

void MainWindow::tellIgnoredSiteKeys()
{
    if (m_services.ignoredSiteKeys.isEmpty())
        return;
    m_services.messages->show(this,
                              QStringLiteral("%1: what was not taken keeps its built-in value:\n%2")
                                  .arg(siteConfigFileName(), m_services.ignoredSiteKeys.join(QLatin1Char('\n'))),
                              windowTitle(), MessageDialog::Icon::Exclamation);
}

void MainWindow::closeProgram()
{
    // Closing runs the shutdown sequence once, in closeEvent.
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    shutdown();
    if (!m_ended) {
        m_ended = true;
        emit programEnded();
    }
    event->accept();
}

void MainWindow::shutdown()
{
    m_watchTabs->stopAndStore();
    keepWindowState(this, m_services.settings);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_layout->fit();
}
