// The watch tabs: filling a free tab with an item and giving a tab back.
#include "app/frmMain.h"

#include "app/core/LocalPages.h"
#include "app/core/SiteAddresses.h"
#include "app/core/WatchTabs.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/MessageDialog.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"

void frmMain::applyTimerChanges(const RefreshRate &rate)
{
    if (rate.startCountdown)
        Timer6->setEnabled(true);
    if (rate.stopTabTimers) {
        for (IntervalTimer *timer : m_tabTimers)
            timer->setEnabled(false);
    }
    if (rate.stopCountdown)
        Timer6->setEnabled(false);
}

void frmMain::cmdOk_Click()
{
    const QString itemNumber = txtItem->text();
    const RefreshRate rate = lookupRefreshRate(cmbRefresh->currentText());
    applyTimerChanges(rate);

    int tab = 0;
    while (tab < kWatchTabCount && SSTab1->TabCaption(tab) != availableCaption())
        ++tab;
    if (tab == kWatchTabCount) {
        m_services.messages->show(this, QStringLiteral("There are no available watch windows left.   "),
                                  QStringLiteral("Gavrin"), MessageDialog::Icon::Information);
        return;
    }

    m_browsers[tab]->Navigate(itemPageAddress(m_services.site, itemNumber));
    SSTab1->setTabCaption(tab, itemCaption(itemNumber));
    SSTab1->setTab(tab);
    m_tabTimers[tab]->setInterval(rate.periodMs);
    m_tabTimers[tab]->setEnabled(true);
    updateReloadStatus();
}

void frmMain::txtItem_KeyPress(int key)
{
    if (key == 13)
        cmdOk_Click();
}

void frmMain::txtItem_Click()
{
    txtItem->setSelection(0, txtItem->text().size());
}

void frmMain::release_current_tab()
{
    const int tab = SSTab1->Tab();
    if (!isWatchTab(tab))
        return;
    m_browsers[tab]->Navigate(programFilePath(blankPageName()));
    m_tabTimers[tab]->setEnabled(false);
    SSTab1->setTabCaption(tab, availableCaption());
    stopAlert(tab);
    updateReloadStatus();
}

void frmMain::Command1_Click()
{
    release_current_tab();
}

void frmMain::Command4_Click()
{
    release_current_tab();
}

void frmMain::mnuStop_Click()
{
    release_current_tab();
}
