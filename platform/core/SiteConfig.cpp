#include "platform/core/SiteConfig.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

namespace {

bool isHost(const QString &value)
{
    static const QRegularExpression host(QStringLiteral(R"(^[A-Za-z0-9.\-]+(:[0-9]{1,5})?$)"));
    return host.match(value).hasMatch();
}

bool isHttpAddress(const QString &value)
{
    const QUrl url(value, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty();
}

void readHost(const QSettings &ini, const char *key, QString &field)
{
    const QString value = ini.value(QLatin1String(key)).toString();
    if (isHost(value))
        field = value;
}

} // namespace

QString siteConfigFileName()
{
    return QStringLiteral("gavrin.ini");
}

SiteConfig loadSiteConfig(const QString &iniPath)
{
    SiteConfig config;
    if (!QFileInfo(iniPath).isFile())
        return config;
    QSettings ini(iniPath, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return config;
    ini.beginGroup(QStringLiteral("Site"));
    readHost(ini, "ItemServer", config.itemServer);
    readHost(ini, "MainHost", config.mainHost);
    readHost(ini, "PageHost", config.pageHost);
    readHost(ini, "SecureHost", config.secureHost);
    readHost(ini, "LoginHost", config.loginHost);
    readHost(ini, "ComplaintHost", config.complaintHost);
    readHost(ini, "SearchUS", config.searchUS);
    readHost(ini, "SearchUK", config.searchUK);
    const QString maker = ini.value(QStringLiteral("MakerSite")).toString();
    if (isHttpAddress(maker))
        config.makerSite = maker.endsWith(QLatin1Char('/')) ? maker.chopped(1) : maker;
    return config;
}
