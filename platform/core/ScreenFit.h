#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where a window goes so that it opens wholly on one screen's free area: the
// one it overlaps most (none: the first, the primary one), shrunk to that
// area where bigger, though not below smallest, and moved in by the least.
// A window that stays bigger keeps its top left on the area, with its title
// and close box.
QRect fitOnScreens(const QRect &window, const QSize &smallest, const QList<QRect> &available);
