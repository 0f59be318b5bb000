#pragma once

#include <QString>

QString applicationTitle();

// "Version " and the three parts in plain decimal: "Version 1.0.0".
QString versionLine(int major, int minor, int revision);
// The line for the version this program was built as.
QString programVersionLine();

QString mailingListAddress(const QString &makerSite);
QString sysInfoUnavailableMessage();
