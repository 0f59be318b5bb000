#include "platform/core/ScreenFit.h"

QRect fitOnScreens(const QRect &window, const QSize &smallest, const QList<QRect> &available)
{
    if (available.isEmpty())
        return window;
    QRect screen = available.first();
    qint64 most = 0;
    for (const QRect &area : available) {
        const QRect overlap = area.intersected(window);
        const qint64 shared = qint64(overlap.width()) * overlap.height();
        if (shared > most) {
            most = shared;
            screen = area;
        }
    }
    QRect fitted(window.topLeft(), window.size().boundedTo(screen.size()).expandedTo(smallest));
    if (fitted.right() > screen.right())
        fitted.moveRight(screen.right());
    if (fitted.bottom() > screen.bottom())
        fitted.moveBottom(screen.bottom());
    if (fitted.left() < screen.left())
        fitted.moveLeft(screen.left());
    if (fitted.top() < screen.top())
        fitted.moveTop(screen.top());
    return fitted;
}
