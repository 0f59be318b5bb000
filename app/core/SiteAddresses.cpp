#include "app/core/SiteAddresses.h"

#include "app/core/SiteConfig.h"

#include <QUrl>

namespace {

QString http(const QString &host, const char *path)
{
    return QStringLiteral("http://") + host + QLatin1String(path);
}

} // namespace

QString itemPageAddress(const SiteConfig &site, const QString &itemNumber)
{
    return http(site.itemServer, "/aw-cgi/eBayISAPI.dll?ViewItem&item=") + itemNumber;
}

QString homePageAddress(const SiteConfig &site)
{
    return http(site.mainHost, "/");
}

QString sitePageAddress(const SiteConfig &site, SitePage page)
{
    switch (page) {
    case SitePage::MyEbay:
        return http(site.loginHost, "/aw-cgi/eBayISAPI.dll?MyEbayLogin");
    case SitePage::Sell:
        return http(site.pageHost, "/sell/index.html");
    case SitePage::CreditCardPayment:
        return QStringLiteral("https://") + site.secureHost + QStringLiteral("/aw-secure/cc-onetime.html");
    case SitePage::NonPayingBidderAlert:
        return http(site.complaintHost, "/aw-cgi/eBayISAPI.dll?NPBComplaintForm");
    case SitePage::MessageBoard:
        return http(site.pageHost, "/community/chat/index.html");
    case SitePage::SearchBySeller:
        return http(site.pageHost, "/search/items/search_seller.html");
    case SitePage::SearchByBidder:
        return http(site.pageHost, "/search/items/search_bidder.html");
    case SitePage::SearchCompleted:
        return http(site.pageHost, "/search/items/search_completed.html");
    case SitePage::SearchInternational:
        return http(site.pageHost, "/search/items/search_int.html");
    case SitePage::MakerSite:
        return site.makerSite;
    }
    return QString();
}

bool isOnSite(const SiteConfig &site, const QUrl &address)
{
    if (address.isEmpty() || address.isLocalFile() || address.scheme() == QLatin1String("about"))
        return true;
    // A port written out that is the scheme's own is the same place as none.
    const int schemePort = address.scheme() == QLatin1String("https") ? 443 : 80;
    QString authority = address.host();
    if (address.port(schemePort) != schemePort)
        authority += QLatin1Char(':') + QString::number(address.port());
    const QUrl maker(site.makerSite);
    const QString hosts[] = {site.itemServer,    site.mainHost, site.pageHost, site.secureHost,  site.loginHost,
                             site.complaintHost, site.searchUS, site.searchUK, maker.authority()};
    for (const QString &host : hosts) {
        if (authority.compare(host, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isSignInPage(const SiteConfig &site, const QUrl &address)
{
    const QUrl signIn(sitePageAddress(site, SitePage::MyEbay));
    const QString command = address.query().section(QLatin1Char('&'), 0, 0);
    return address.authority().compare(signIn.authority(), Qt::CaseInsensitive) == 0 && address.path() == signIn.path()
        && command.compare(signIn.query(), Qt::CaseInsensitive) == 0;
}
