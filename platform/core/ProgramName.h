#pragma once

#include <QString>

// The program's name: the window title, the title of its boxes and
// notifications, and where its settings and web profile are kept.
inline QString programName()
{
    return QStringLiteral("Gavrin");
}
