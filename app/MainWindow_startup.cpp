// Start-up and shutdown: the window state of the last run, the start pages,
// and what is kept for the next run.
#include "app/MainWindow.h"

#include "app/ItemBox.h"
#include "app/ServicesTab.h"
#include "app/TopRow.h"
#include "app/WatchTab.h"
#include "app/WatchTabSet.h"
#include "app/core/LocalPages.h"
#include "app/core/TabCaptions.h"
#include "app/core/WinState.h"
#include "platform/BrowserView.h"
#include "platform/MessageDialog.h"
#include "platform/SettingsStore.h"
#include "platform/WindowPlacement.h"

#include <QCloseEvent>

namespace {

Qt::WindowStates toWindowStates(WinState state)
{
    switch (state) {
    case WinState::Minimised:
        return Qt::WindowMinimized;
    case WinState::Maximised:
        return Qt::WindowMaximized;
    case WinState::Normal:
        break;
    }
    return Qt::WindowNoState;
}

WinState fromWindowStates(Qt::WindowStates states)
{
    if (states & Qt::WindowMinimized)
        return WinState::Minimised;
    if (states & Qt::WindowMaximized)
        return WinState::Maximised;
    return WinState::Normal;
}

} // namespace

void MainWindow::applyStoredWinState()
{
    setWindowState(toWindowStates(winStateFromText(m_services.settings->winState())));
}

void MainWindow::start()
{
    const QRect normal = m_services.settings->normalGeometry();
    if (normal.isValid())
        setGeometry(normal);
    else
        centreOnScreen(this);
    // The screen may be smaller, or scaled larger, than when the window was
    // closed; once shown, its frame must fit too.
    fitOnScreen(this);

    applyStoredWinState();
    show();
    applyStoredWinState();
    fitOnScreen(this);
    m_watchTabs->tab(0)->view()->open(programFilePath(splashPageName()));
    for (int i = 1; i < kWatchTabCount; ++i)
        m_watchTabs->tab(i)->view()->open(programFilePath(blankPageName()));
    m_servicesTab->view()->open(programFilePath(helpPageName()));
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
    m_services.settings->setWinState(winStateToText(fromWindowStates(windowState())));
    m_services.settings->setNormalGeometry(normalGeometry());
}
