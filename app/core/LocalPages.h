#pragma once

#include <QString>

// The three local pages kept next to the program.
inline QString splashPageName()
{
    return QStringLiteral("Splash.htm");
}
inline QString blankPageName()
{
    return QStringLiteral("temp.html");
}
inline QString helpPageName()
{
    return QStringLiteral("gavrinhelp.htm");
}
