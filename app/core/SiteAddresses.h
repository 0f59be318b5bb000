#pragma once

#include <QString>

class QUrl;
struct SiteConfig;

// The item page: the item number is appended unchanged.
QString itemPageAddress(const SiteConfig &site, const QString &itemNumber);

QString homePageAddress(const SiteConfig &site);

// The fixed pages that the Services and Help menus open in the services tab.
enum class SitePage {
    MyEbay,
    Sell,
    CreditCardPayment,
    NonPayingBidderAlert,
    MessageBoard,
    SearchBySeller,
    SearchByBidder,
    SearchCompleted,
    SearchInternational,
    MakerSite,
};

QString sitePageAddress(const SiteConfig &site, SitePage page);

// The address is on one of the site's configured hosts (port included), is a
// local page, or is empty: a watched tab showing anything else says so, so a
// look-alike page cannot pass for the item.
bool isOnSite(const SiteConfig &site, const QUrl &address);

// The site's sign-in page, where it sends a page it shows only to a signed-in
// user: the sign-in host and the My eBay sign-in's path and command, whatever
// the address adds after the command (where to go back to).
bool isSignInPage(const SiteConfig &site, const QUrl &address);
