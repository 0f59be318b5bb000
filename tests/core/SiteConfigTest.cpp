#include "app/core/SiteAddresses.h"
#include "platform/core/SiteConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeIni(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath("gavrin.ini");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

} // namespace

TEST(SiteConfig, KeysOverrideOneByOneAndABadFileGivesTheDefaults)
{
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[Site]\nItemServer=127.0.0.1:8123\nSearchUK=uk.example\n"
                                       "MakerSite=http://127.0.0.1:9/maker/\n");
    const SiteConfig config = loadSiteConfig(path);
    EXPECT_EQ(config.itemServer, "127.0.0.1:8123");
    EXPECT_EQ(config.searchUK, "uk.example");
    EXPECT_EQ(config.makerSite, "http://127.0.0.1:9/maker");
    EXPECT_EQ(config.mainHost, SiteConfig().mainHost);

    // A missing file, or one that cannot be parsed, gives the defaults.
    EXPECT_EQ(loadSiteConfig(dir.filePath("none.ini")).itemServer, SiteConfig().itemServer);
    const QString garbage = writeIni(dir, QByteArray("\x00\xff[Site\n=\n[[[\nItemServer", 23));
    EXPECT_EQ(loadSiteConfig(garbage).itemServer, SiteConfig().itemServer);
}

TEST(SiteConfig, HostsAreCheckedAsTheAuthorityOfAnAddress)
{
    const char *good[] = {"cgi.ebay.com", "127.0.0.1:8123", "localhost", "a-b.example:1", "x.example:65535",
                          "[::1]:8080", "xn--bcher-kva.example"};
    for (const char *value : good)
        EXPECT_EQ(hostProblem(value), QString()) << value;
    const char *bad[] = {"127.0.0.1:99999", "x.example:0", "x.example:", "x.example:8a", "...", "-", "a..b",
                         ".example", "example.", "-a.example", "a-.example", "a b", "a_b.example", "",
                         "http://x.example", "x.example/path", "x.example?q", "user@x.example", "[nothost]:80",
                         "a:1:2", QByteArray(64, 'a').constData()};
    for (const char *value : bad)
        EXPECT_NE(hostProblem(value), QString()) << value;
}

TEST(SiteConfig, ValuesThatAreNoHostKeepTheDefaultAndAreNamedWithTheirReason)
{
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[Site]\nItemServer=evil.example/path?x\nMainHost=\nPageHost=a..b\n"
                                       "SearchUK=127.0.0.1:99999\nLoginHost=login.test\n"
                                       "MakerSite=javascript:alert(1)\n");
    QStringList ignored;
    const SiteConfig config = loadSiteConfig(path, &ignored);
    const SiteConfig defaults;
    EXPECT_EQ(config.itemServer, defaults.itemServer);
    EXPECT_EQ(config.mainHost, defaults.mainHost);
    EXPECT_EQ(config.pageHost, defaults.pageHost);
    EXPECT_EQ(config.searchUK, defaults.searchUK);
    EXPECT_EQ(config.makerSite, defaults.makerSite);
    EXPECT_EQ(config.loginHost, "login.test");
    ASSERT_EQ(ignored.size(), 5) << ignored.join('\n').toStdString();
    const char *starts[] = {"ItemServer=evil.example/path?x: ", "MainHost=: ", "PageHost=a..b: ",
                            "SearchUK=127.0.0.1:99999: ", "MakerSite=javascript:alert(1): "};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(ignored[i].startsWith(starts[i]) && ignored[i].size() > qsizetype(strlen(starts[i])))
            << ignored[i].toStdString();
}

TEST(SiteAddresses, ItemPageAppendsTheNumberUnchanged)
{
    SiteConfig site;
    site.itemServer = "items.example:81";
    EXPECT_EQ(itemPageAddress(site, "123"), "http://items.example:81/aw-cgi/eBayISAPI.dll?ViewItem&item=123");
    EXPECT_EQ(itemPageAddress(site, ""), "http://items.example:81/aw-cgi/eBayISAPI.dll?ViewItem&item=");
    EXPECT_EQ(itemPageAddress(site, " 12 a"), "http://items.example:81/aw-cgi/eBayISAPI.dll?ViewItem&item= 12 a");
}

TEST(SiteAddresses, SitePagesUseTheirConfiguredHostsSchemesAndPaths)
{
    SiteConfig site;
    site.mainHost = "main.test";
    site.pageHost = "pages.test:81";
    site.secureHost = "secure.test";
    site.loginHost = "login.test";
    site.complaintHost = "complaint.test";
    site.makerSite = "http://maker.test";
    EXPECT_EQ(homePageAddress(site), "http://main.test/");
    const std::pair<SitePage, const char *> pages[] = {
        {SitePage::MyEbay, "http://login.test/aw-cgi/eBayISAPI.dll?MyEbayLogin"},
        {SitePage::Sell, "http://pages.test:81/sell/index.html"},
        {SitePage::CreditCardPayment, "https://secure.test/aw-secure/cc-onetime.html"},
        {SitePage::NonPayingBidderAlert, "http://complaint.test/aw-cgi/eBayISAPI.dll?NPBComplaintForm"},
        {SitePage::MessageBoard, "http://pages.test:81/community/chat/index.html"},
        {SitePage::SearchBySeller, "http://pages.test:81/search/items/search_seller.html"},
        {SitePage::SearchByBidder, "http://pages.test:81/search/items/search_bidder.html"},
        {SitePage::SearchCompleted, "http://pages.test:81/search/items/search_completed.html"},
        {SitePage::SearchInternational, "http://pages.test:81/search/items/search_int.html"},
        {SitePage::MakerSite, "http://maker.test"},
    };
    for (const auto &[page, address] : pages)
        EXPECT_EQ(sitePageAddress(site, page), address);
}
