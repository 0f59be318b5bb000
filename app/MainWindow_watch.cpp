// Watching: filling a free tab with an item, giving the tab in front back,
// and the refresh rate picked.
#include "app/MainWindow.h"

#include "app/ItemBox.h"
#include "app/TopRow.h"
#include "app/WatchTabSet.h"
#include "app/core/LocalPages.h"
#include "app/core/TabCaptions.h"
#include "platform/ChoiceBox.h"
#include "platform/MessageDialog.h"
#include "platform/TabStrip.h"
#include "platform/WindowPlacement.h"
#include "platform/core/ProgramName.h"

void MainWindow::watchItem()
{
    if (!m_watchTabs->watch(m_topRow->itemBox()->text(), m_topRow->rateBox()->currentText()))
        m_services.messages->show(this, QStringLiteral("There are no available watch windows left.   "), programName(),
                                  MessageDialog::Icon::Information);
}

void MainWindow::releaseTab()
{
    m_watchTabs->release(m_tabs->current(), programFilePath(blankPageName()));
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
