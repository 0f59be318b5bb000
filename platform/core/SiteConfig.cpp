#include "platform/core/SiteConfig.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int kMaxLabelLength = 63;

bool isLabel(QStringView label)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?$"));
    return label.size() <= kMaxLabelLength && pattern.match(label).hasMatch();
}

QString nameProblem(QStringView name)
{
    if (name.startsWith(QLatin1Char('['))) {
        QUrl url;
        url.setHost(name.toString(), QUrl::StrictMode);
        return name.endsWith(QLatin1Char(']')) && url.isValid() && name.contains(QLatin1Char(':'))
            ? QString()
            : QStringLiteral("not an IPv6 address in brackets");
    }
    for (QStringView label : name.split(QLatin1Char('.'))) {
        if (label.isEmpty())
            return QStringLiteral("a part of the host name between dots is empty");
        if (!isLabel(label))
            return QStringLiteral("a part of the host name is not up to 63 letters, digits and inner hyphens");
    }
    return QString();
}

QString portProblem(QStringView port)
{
    bool number = false;
    const int value = port.toInt(&number);
    const bool digits = !port.isEmpty() && std::all_of(port.begin(), port.end(), [](QChar c) { return c.isDigit(); });
    return digits && number && value >= 1 && value <= 65535 ? QString()
                                                            : QStringLiteral("the port is not a number from 1 to 65535");
}

bool isHttpAddress(const QString &value)
{
    const QUrl url(value, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty();
}

void readHost(const QSettings &ini, const char *key, QString &field, QStringList *ignored)
{
    if (!ini.contains(QLatin1String(key)))
        return;
    const QString value = ini.value(QLatin1String(key)).toString();
    const QString problem = hostProblem(value);
    if (problem.isEmpty())
        field = value;
    else if (ignored)
        *ignored << QStringLiteral("%1=%2: %3").arg(QLatin1String(key), value, problem);
}

} // namespace

QString siteConfigFileName()
{
    return QStringLiteral("gavrin.ini");
}

QString hostProblem(const QString &value)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (value.isEmpty())
        return QStringLiteral("empty");
    if (scheme.match(value).hasMatch())
        return QStringLiteral("an address with a scheme; give the host alone");
    if (value.contains(QLatin1Char('/')) || value.contains(QLatin1Char('?')) || value.contains(QLatin1Char('#')))
        return QStringLiteral("has a path or more after the host");
    const qsizetype bracketEnd = value.lastIndexOf(QLatin1Char(']'));
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    const bool hasPort = colon > bracketEnd;
    const QStringView whole(value);
    const QStringView name = hasPort ? whole.first(colon) : whole;
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return problem;
    return hasPort ? portProblem(whole.sliced(colon + 1)) : QString();
}

SiteConfig loadSiteConfig(const QString &iniPath, QStringList *ignored)
{
    SiteConfig config;
    if (!QFileInfo(iniPath).isFile())
        return config;
    QSettings ini(iniPath, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return config;
    ini.beginGroup(QStringLiteral("Site"));
    readHost(ini, "ItemServer", config.itemServer, ignored);
    readHost(ini, "MainHost", config.mainHost, ignored);
    readHost(ini, "PageHost", config.pageHost, ignored);
    readHost(ini, "SecureHost", config.secureHost, ignored);
    readHost(ini, "LoginHost", config.loginHost, ignored);
    readHost(ini, "ComplaintHost", config.complaintHost, ignored);
    readHost(ini, "SearchUS", config.searchUS, ignored);
    readHost(ini, "SearchUK", config.searchUK, ignored);
    if (ini.contains(QStringLiteral("MakerSite"))) {
        const QString maker = ini.value(QStringLiteral("MakerSite")).toString();
        if (isHttpAddress(maker))
            config.makerSite = maker.endsWith(QLatin1Char('/')) ? maker.chopped(1) : maker;
        else if (ignored)
            *ignored << QStringLiteral("MakerSite=%1: not an http or https address").arg(maker);
    }
    return config;
}
