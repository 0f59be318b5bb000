// Browsing commands on the tab in front, the address row and the site pages
// of the services tab.
#include "app/frmMain.h"

#include "app/core/LocalPages.h"
#include "app/core/WatchTabs.h"
#include "platform/BrowserView.h"
#include "platform/MessageDialog.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"

BrowserView *frmMain::currentView() const
{
    return browser(SSTab1->Tab());
}

void frmMain::Command2_Click()
{
    BrowserView *view = currentView();
    if (view && !view->GoBack())
        m_services.messages->show(this, QStringLiteral("There are no more pages back   "),
                                  QStringLiteral("First Page"), MessageDialog::Icon::Information);
}

void frmMain::Command3_Click()
{
    BrowserView *view = currentView();
    if (view && !view->GoForward())
        m_services.messages->show(this, QStringLiteral("There are no more pages forward   "),
                                  QStringLiteral("Last Page"), MessageDialog::Icon::Information);
}

void frmMain::Command5_Click()
{
    BrowserView *view = currentView();
    if (!view)
        return;
    if (!view->showsFormAnswer()) {
        view->Refresh();
        return;
    }
    if (m_services.messages->ask(this, QStringLiteral("This page was sent by a form. Send it again?"),
                                 QStringLiteral("Gavrin")))
        view->resendForm();
}

void frmMain::Command6_Click()
{
    if (BrowserView *view = currentView())
        view->Navigate(homePageAddress(m_services.site));
}

void frmMain::mnuBack_Click()
{
    Command2_Click();
}

void frmMain::mnuForward_Click()
{
    Command3_Click();
}

void frmMain::mnuRefresh_Click()
{
    Command5_Click();
}

void frmMain::mnuHome_Click()
{
    Command6_Click();
}

void frmMain::Text2_Click()
{
    Text2->setSelection(0, Text2->text().size());
}

void frmMain::Command11_Click()
{
    m_browsers[kServicesTab]->Navigate(Text2->text());
}

void frmMain::mnuEnter_Click()
{
    SSTab1->setTab(kServicesTab);
    Text2->setFocus();
}

void frmMain::openSitePage(SitePage page)
{
    SSTab1->setTab(kServicesTab);
    SSTab1->setTabCaption(kServicesTab, QStringLiteral("Loading...Please Wait"));
    m_browsers[kServicesTab]->Navigate(sitePageAddress(m_services.site, page));
}

void frmMain::mnuMy_Click() { openSitePage(SitePage::MyEbay); }
void frmMain::mnuSell_Click() { openSitePage(SitePage::Sell); }
void frmMain::mnuCredit_Click() { openSitePage(SitePage::CreditCardPayment); }
void frmMain::mnuPost_Click() { openSitePage(SitePage::NonPayingBidderAlert); }
void frmMain::mnuMsgBoard_Click() { openSitePage(SitePage::MessageBoard); }
void frmMain::mnuSearchSeller_Click() { openSitePage(SitePage::SearchBySeller); }
void frmMain::mnuBidder_Click() { openSitePage(SitePage::SearchByBidder); }
void frmMain::mnuCompleted_Click() { openSitePage(SitePage::SearchCompleted); }
void frmMain::mnuInternational_Click() { openSitePage(SitePage::SearchInternational); }
void frmMain::mnuBelvax_Click() { openSitePage(SitePage::MakerSite); }

// A page the user asked to open in a new window: this program has one window,
// so it goes to the services tab, which comes to the front.
void frmMain::openNewPage(const QString &address)
{
    SSTab1->setTab(kServicesTab);
    m_browsers[kServicesTab]->Navigate(address);
}

void frmMain::mnuContents_Click()
{
    SSTab1->setTab(kServicesTab);
    m_browsers[kServicesTab]->Navigate(programFilePath(helpPageName()));
}

void frmMain::WebBrowser6_DocumentComplete()
{
    SSTab1->setTabCaption(kServicesTab, servicesCaption());
}
