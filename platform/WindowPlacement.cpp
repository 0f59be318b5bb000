#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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

namespace {

class StateKeeper final : public QObject
{
public:
    explicit StateKeeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The widget still knows its state; the new native window starts without it.
        QWindow *native = m_window->windowHandle();
        if (watched == m_window && event->type() == QEvent::WinIdChange && m_window->internalWinId() && native
            && native->windowStates() != m_window->windowState())
            native->setWindowStates(m_window->windowState());
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

void keepStateAcrossNativeWindows(QWidget *window)
{
    new StateKeeper(window);
}
