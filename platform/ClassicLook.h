#pragma once

#include <QFont>

class QWidget;

// The named Windows font where it is installed, else a metric-compatible
// stand-in, so captions fit the fixed sizes of their controls.
QFont classicFont(const QString &family, double pointSize);

// The dark blue (0, 0, 192) of the program's labels; on a window colour it
// does not read on (a dark palette), a colour that does, following palette changes.
void setDarkBlueText(QWidget *widget);
