#include "platform/WindowPlacement.h"

#include "platform/core/ScreenFit.h"

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

void fitOnScreen(QWidget *window)
{
    // A maximised or minimised window is where the window system keeps it.
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    QList<QRect> screens{QGuiApplication::primaryScreen()->availableGeometry()};
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    }
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const QSize marginsSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QRect fitted = fitOnScreens(client + margins, window->minimumSize() + marginsSize, screens) - margins;
    if (!window->testAttribute(Qt::WA_Moved))
        window->resize(fitted.size());
    else if (fitted != client)
        window->setGeometry(fitted);
}

void bringForward(QWidget *window)
{
    const bool opening = !window->isVisible();
    if (opening)
        fitOnScreen(window);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    // Its frame, where the window system has put one on by now, must fit too.
    if (opening)
        fitOnScreen(window);
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
