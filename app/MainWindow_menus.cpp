// The menu bar. Entries carry access keys only; the standard keys are the window's (MainWindow_keys.cpp).
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

void MainWindow::setupMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    addEntry(file, QStringLiteral("&Open Saved Item"), this, &MainWindow::showSavedItems);
    addEntry(file, QStringLiteral("&Save Current Item"), this, &MainWindow::saveCurrentItem);
    QAction *reopen = file->addAction(QStringLiteral("&Reopen Watched Items at Start"));
    reopen->setCheckable(true);
    reopen->setChecked(m_services.settings->reopensWatchedItems());
    connect(reopen, &QAction::toggled, this,
            [this](bool checked) { m_services.settings->setReopensWatchedItems(checked); });
    file->addSeparator();
    addEntry(file, QStringLiteral("&Close Program"), this, &MainWindow::closeProgram);

    QMenu *navigate = menuBar()->addMenu(QStringLiteral("&Navigate"));
    addEntry(navigate, QStringLiteral("Go &Back"), this, &MainWindow::goBack);
    addEntry(navigate, QStringLiteral("&Go Forward"), this, &MainWindow::goForward);
    addEntry(navigate, QStringLiteral("&Stop Current Tab"), this, &MainWindow::releaseTab);
    addEntry(navigate, QStringLiteral("&Refresh Current Tab"), this, &MainWindow::reloadTab);
    addEntry(navigate, QStringLiteral("&eBay Home Page"), this, &MainWindow::openHomePage);
    addEntry(navigate, QStringLiteral("E&nter Url"), this, &MainWindow::enterAddress);
    addEntry(navigate, QStringLiteral("&Watched Items"), this, &MainWindow::showWatchedItems);
    navigate->addSeparator();
    QMenu *lead = navigate->addMenu(QStringLiteral("Ending Soon Warn&ing"));
    auto *leads = new QActionGroup(lead);
    for (int minutes : endingSoonLeadChoices()) {
        QAction *entry = lead->addAction(QStringLiteral("&%1 Minutes").arg(minutes));
        entry->setCheckable(true);
        entry->setChecked(minutes == kDefaultEndingSoonLeadMinutes);
        leads->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, minutes] { m_watchTabs->setEndingSoonLead(minutes); });
    }

    QMenu *services = menuBar()->addMenu(QStringLiteral("&Services"));
    addSitePage(services, QStringLiteral("&My eBay"), this, SitePage::MyEbay);
    addSitePage(services, QStringLiteral("&Sell an Item"), this, SitePage::Sell);
    addSitePage(services, QStringLiteral("Make &Credit Card Payment"), this, SitePage::CreditCardPayment);
    addSitePage(services, QStringLiteral("&Post Non-Paying Bidder Alert"), this, SitePage::NonPayingBidderAlert);
    addSitePage(services, QStringLiteral("Mes&sage Board"), this, SitePage::MessageBoard);
    services->addSeparator();
    addEntry(services, QStringLiteral("Search for an &Item"), this, &MainWindow::openSearch);
    services->addSeparator();
    QMenu *specific = services->addMenu(QStringLiteral("Specific Search"));
    addSitePage(specific, QStringLiteral("&By Seller"), this, SitePage::SearchBySeller);
    addSitePage(specific, QStringLiteral("B&y Bidder"), this, SitePage::SearchByBidder);
    addSitePage(specific, QStringLiteral("By &Completed Items"), this, SitePage::SearchCompleted);
    addSitePage(specific, QStringLiteral("&International Search"), this, SitePage::SearchInternational);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    addEntry(help, QStringLiteral("&Contents"), this, &MainWindow::openHelp);
    addEntry(help, QStringLiteral("&About"), this, &MainWindow::showAbout);
    addSitePage(help, QStringLiteral("&Belvax Web Site"), this, SitePage::MakerSite);
}
