// Browsing commands on the tab in front, the address row and the site pages
// of the services tab.
#include "app/MainWindow.h"

#include "app/core/LocalPages.h"
#include "app/core/TabCaptions.h"
#include "platform/BrowserView.h"
#include "platform/MessageDialog.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "search/core/SearchRequest.h"

BrowserView *MainWindow::currentView() const
{
    return view(m_tabs->current());
}

void MainWindow::goBack()
{
    BrowserView *view = currentView();
    if (view && !view->back())
        m_services.messages->show(this, QStringLiteral("There are no more pages back   "),
                                  QStringLiteral("First Page"), MessageDialog::Icon::Information);
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
    if (m_services.messages->ask(this, QStringLiteral("This page was sent by a form. Send it again?"),
                                 QStringLiteral("Gavrin")))
        view->resendForm();
}

void MainWindow::openHomePage()
{
    if (BrowserView *view = currentView())
        view->open(homePageAddress(m_services.site));
}

void MainWindow::visitAddress()
{
    servicesView()->open(m_addressBox->text());
}

void MainWindow::enterAddress()
{
    m_tabs->setCurrent(kServicesTab);
    m_addressBox->setFocus();
}

void MainWindow::openSitePage(SitePage page)
{
    m_tabs->setCurrent(kServicesTab);
    m_tabs->setCaption(kServicesTab, QStringLiteral("Loading...Please Wait"));
    servicesView()->open(sitePageAddress(m_services.site, page));
}

// A page the user asked to open in a new window: this program has one window,
// so it goes to the services tab, which comes to the front.
void MainWindow::openNewPage(const QString &address)
{
    m_tabs->setCurrent(kServicesTab);
    servicesView()->open(address);
}

void MainWindow::openHelp()
{
    m_tabs->setCurrent(kServicesTab);
    servicesView()->open(programFilePath(helpPageName()));
}

void MainWindow::showSearchResults(const QString &address)
{
    m_tabs->setCaption(kServicesTab, searchingCaption());
    servicesView()->open(address);
    m_tabs->setCurrent(kServicesTab);
}

void MainWindow::servicesPageLoaded()
{
    m_tabs->setCaption(kServicesTab, servicesCaption());
}
