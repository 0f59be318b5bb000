// Browsing commands on the tab in front, and the site pages of the services tab.
#include "app/MainWindow.h"

#include "app/ServicesTab.h"
#include "app/core/LocalPages.h"
#include "app/core/TabCaptions.h"
#include "platform/BrowserView.h"
#include "platform/MessageDialog.h"
#include "platform/core/ProgramName.h"
#include "search/core/SearchRequest.h"

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
    m_servicesTab->open(programFilePath(helpPageName()));
}

void MainWindow::showSearchResults(const QString &address)
{
    m_servicesTab->openLoading(address, searchingCaption());
}
