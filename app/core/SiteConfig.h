#pragma once

#include <QString>
#include <QStringList>

// The hosts of the auction site and the maker's address. Built-in defaults,
// overridable key by key from the [Site] section of "gavrin.ini" in the
// program folder.
struct SiteConfig
{
    QString itemServer = QStringLiteral("cgi.ebay.com");
    QString mainHost = QStringLiteral("www.ebay.com");
    QString pageHost = QStringLiteral("pages.ebay.com");
    QString secureHost = QStringLiteral("secure.ebay.com");
    QString loginHost = QStringLiteral("signin.ebay.com");
    QString complaintHost = QStringLiteral("feedback.ebay.com");
    QString searchUS = QStringLiteral("search.ebay.com");
    QString searchUK = QStringLiteral("search.ebay.co.uk");
    QString makerSite = QStringLiteral("http://www.belvax.com");
};

QString siteConfigFileName();

// A missing file or key, or a value that is not a host, keeps the default.
// Section and key names are matched without regard to case; the file may be
// UTF-8 or UTF-16 with a byte order mark. Each key given a value that was not
// taken is added to `ignored` as "Key=value: why", and a file that is there
// but gives no key at all adds why.
SiteConfig loadSiteConfig(const QString &iniPath, QStringList *ignored = nullptr);

// Why value cannot stand as the host (and port) part of an http address, or
// nothing when it can: a name of dot-separated labels of letters, digits and
// inner hyphens, or a bracketed IPv6 address, then a port from 1 to 65535.
QString hostProblem(const QString &value);
