#pragma once

#include <QString>

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
