#include "app/KeptWindowState.h"

#include "app/core/WinState.h"
#include "platform/SettingsStore.h"
#include "platform/WindowPlacement.h"

#include <QWidget>

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

void applyKeptState(QWidget *window, SettingsStore *settings)
{
    window->setWindowState(toWindowStates(winStateFromText(settings->winState())));
}

} // namespace

void showAsKept(QWidget *window, SettingsStore *settings)
{
    const QRect normal = settings->normalGeometry();
    if (normal.isValid())
        window->setGeometry(normal);
    else
        centreOnScreen(window);
    // The screen may be smaller, or scaled larger, than when the window was
    // closed; once shown, its frame must fit too.
    fitOnScreen(window);

    applyKeptState(window, settings);
    window->show();
    applyKeptState(window, settings);
    fitOnScreen(window);
}

void keepWindowState(const QWidget *window, SettingsStore *settings)
{
    settings->setWinState(winStateToText(fromWindowStates(window->windowState())));
    settings->setNormalGeometry(window->normalGeometry());
}
