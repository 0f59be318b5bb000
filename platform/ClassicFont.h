#pragma once

#include <QFont>

// The named Windows font where it is installed, else a metric-compatible
// stand-in, so captions fit the fixed sizes of their controls.
QFont classicFont(const QString &family, double pointSize);
