// Opening the item search form.
#include "app/frmMain.h"

#include "app/core/WatchTabs.h"
#include "platform/WindowPlacement.h"
#include "search/Search.h"

void frmMain::Command10_Click()
{
    if (!m_search)
        m_search = new Search(SSTab1, m_browsers[kServicesTab], m_services.site);
    bringForward(m_search);
}

void frmMain::mnuSearch_Click()
{
    Command10_Click();
}
