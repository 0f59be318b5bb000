#include "app/MainMenus.h"

#include "app/MainWindow.h"

#include "app/WatchTabSet.h"
#include "app/core/EndPhase.h"
#include "platform/SettingsStore.h"

#include <QActionGroup>
#include <QMenuBar>

namespace {

QAction *addEntry(QMenu *menu, const QString &caption, MainWindow *window, void (MainWindow::*handler)())
{
    QAction *entry = menu->addAction(caption);
    QObject::connect(entry, &QAction::triggered, window, handler);
    return entry;
}

QAction *addSitePage(QMenu *menu, const QString &caption, MainWindow *window, SitePage page)
{
    QAction *entry = menu->addAction(caption);
    QObject::connect(entry, &QAction::triggered, window, [window, page] { window->openSitePage(page); });
    return entry;
}

} // namespace

void addMainMenus(MainWindow *window, SettingsStore *settings, WatchTabSet *watchTabs)
{
    QMenuBar *menuBar = window->menuBar();
    QMenu *file = menuBar->addMenu(QStringLiteral("&File"));
    addEntry(file, QStringLiteral("&Open Saved Item"), window, &MainWindow::showSavedItems);
    addEntry(file, QStringLiteral("&Save Current Item"), window, &MainWindow::saveCurrentItem);
    QAction *reopen = file->addAction(QStringLiteral("&Reopen Watched Items at Start"));
    reopen->setCheckable(true);
    reopen->setChecked(settings->reopensWatchedItems());
    QObject::connect(reopen, &QAction::toggled, window,
                     [settings](bool checked) { settings->setReopensWatchedItems(checked); });
    file->addSeparator();
    addEntry(file, QStringLiteral("&Close Program"), window, &MainWindow::closeProgram);

    QMenu *navigate = menuBar->addMenu(QStringLiteral("&Navigate"));
    addEntry(navigate, QStringLiteral("Go &Back"), window, &MainWindow::goBack);
    addEntry(navigate, QStringLiteral("&Go Forward"), window, &MainWindow::goForward);
    addEntry(navigate, QStringLiteral("&Stop Current Tab"), window, &MainWindow::releaseTab);
    addEntry(navigate, QStringLiteral("&Refresh Current Tab"), window, &MainWindow::reloadTab);
    addEntry(navigate, QStringLiteral("&eBay Home Page"), window, &MainWindow::openHomePage);
    addEntry(navigate, QStringLiteral("E&nter Url"), window, &MainWindow::enterAddress);
    addEntry(navigate, QStringLiteral("&Watched Items"), window, &MainWindow::showWatchedItems);
    navigate->addSeparator();
    addEntry(navigate, QStringLiteral("&Push to the Phone..."), window, &MainWindow::showPushSettings);
    QMenu *lead = navigate->addMenu(QStringLiteral("Ending Soon Warn&ing"));
    auto *leads = new QActionGroup(lead);
    for (int minutes : endingSoonLeadChoices()) {
        QAction *entry = lead->addAction(QStringLiteral("&%1 Minutes").arg(minutes));
        entry->setCheckable(true);
        entry->setChecked(minutes == kDefaultEndingSoonLeadMinutes);
        leads->addAction(entry);
        QObject::connect(entry, &QAction::triggered, window,
                         [watchTabs, minutes] { watchTabs->setEndingSoonLead(minutes); });
    }

    QMenu *services = menuBar->addMenu(QStringLiteral("&Services"));
    addSitePage(services, QStringLiteral("&My eBay"), window, SitePage::MyEbay);
    addSitePage(services, QStringLiteral("&Sell an Item"), window, SitePage::Sell);
    addSitePage(services, QStringLiteral("Make &Credit Card Payment"), window, SitePage::CreditCardPayment);
    addSitePage(services, QStringLiteral("&Post Non-Paying Bidder Alert"), window, SitePage::NonPayingBidderAlert);
    addSitePage(services, QStringLiteral("Mes&sage Board"), window, SitePage::MessageBoard);
    services->addSeparator();
    addEntry(services, QStringLiteral("Search for an &Item"), window, &MainWindow::openSearch);
    services->addSeparator();
    QMenu *specific = services->addMenu(QStringLiteral("Specific Search"));
    addSitePage(specific, QStringLiteral("&By Seller"), window, SitePage::SearchBySeller);
    addSitePage(specific, QStringLiteral("B&y Bidder"), window, SitePage::SearchByBidder);
    addSitePage(specific, QStringLiteral("By &Completed Items"), window, SitePage::SearchCompleted);
    addSitePage(specific, QStringLiteral("&International Search"), window, SitePage::SearchInternational);

    QMenu *help = menuBar->addMenu(QStringLiteral("&Help"));
    addEntry(help, QStringLiteral("&Contents"), window, &MainWindow::openHelp);
    addEntry(help, QStringLiteral("&About"), window, &MainWindow::showAbout);
    addSitePage(help, QStringLiteral("&Belvax Web Site"), window, SitePage::MakerSite);
}
