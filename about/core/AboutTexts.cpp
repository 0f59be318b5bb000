#include "about/core/AboutTexts.h"

QString applicationTitle()
{
    return QStringLiteral("Gavrin");
}

QString versionLine(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString programVersionLine()
{
    return versionLine(GAVRIN_VERSION_MAJOR, GAVRIN_VERSION_MINOR, GAVRIN_VERSION_PATCH);
}

QString mailingListAddress(const QString &makerSite)
{
    return makerSite + QStringLiteral("/Pages/ListBot.html");
}

QString sysInfoUnavailableMessage()
{
    return QStringLiteral("System Information Is Unavailable At This Time");
}
