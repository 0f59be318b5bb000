#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(screen.center() - window->rect().center());
}

void bringForward(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
