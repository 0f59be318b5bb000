#include "WrittenFile.h"
#include "app/core/SiteAddresses.h"
#include "app/core/SiteConfig.h"
#include "platform/core/PageDialogs.h"
#include "platform/core/ScriptAddress.h"
#include "search/core/SearchRequest.h"

#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString build(const SearchFields &fields)
{
    SiteConfig site;
    site.searchUS = "us.test:8080";
    site.searchUK = "uk.test";
    return searchRequestAddress(site, fields);
}

} // namespace

TEST(SiteConfig, HostsAreCheckedAsTheAuthorityOfAnAddress)
{
    for (const char *value : {"cgi.ebay.com", "a-b.example:65535", "[::1]:8080", "xn--bcher-kva.example"})
        EXPECT_EQ(hostProblem(value), QString()) << value;
    const char *bad[] = {"",
                         "http://x.example",
                         "x.example/path",
                         "user@x.example",
                         "127.0.0.1:99999",
                         "x.example:0",
                         "x.example:",
                         "x.example:8a",
                         "a:1:2",
                         "a..b",
                         "-a.example",
                         "a-.example",
                         "a_b.example",
                         "[nothost]:80",
                         QByteArray(64, 'a').constData()};
    for (const char *value : bad)
        EXPECT_NE(hostProblem(value), QString()) << value;
}

TEST(SiteAddresses, PagesUseTheirConfiguredHostsAndOnlyThoseAreOnTheSite)
{
    SiteConfig site;
    site.itemServer = "127.0.0.1:8080";
    site.secureHost = "secure.test";
    site.loginHost = "login.test";
    EXPECT_EQ(itemPageAddress(site, " 12 a"), "http://127.0.0.1:8080/aw-cgi/eBayISAPI.dll?ViewItem&item= 12 a");
    EXPECT_EQ(sitePageAddress(site, SitePage::CreditCardPayment), "https://secure.test/aw-secure/cc-onetime.html");
    const std::pair<const char *, bool> onSite[] = {
        {"http://127.0.0.1:8080/aw-cgi/eBayISAPI.dll?ViewItem&item=1", true},
        {"http://127.0.0.1:8081/aw-cgi/eBayISAPI.dll?ViewItem&item=1", false},
        {"https://LOGIN.test/login", true},
        {"http://www.belvax.com/list.html", true},
        {"https://login.test:443/login", true},
        {"http://login.test:443/", false},
        {"file:///opt/gavrin/temp.html", true},
        {"http://127.0.0.1/", false},
        {"http://login.test.evil.test/", false},
    };
    for (const auto &[address, expected] : onSite)
        EXPECT_EQ(isOnSite(site, QUrl(address)), expected) << address;
    // An item page sent to sign in, where the item server and the sign-in host may be one.
    site.loginHost = site.itemServer;
    const std::pair<const char *, bool> signIn[] = {
        {"http://127.0.0.1:8080/aw-cgi/eBayISAPI.dll?MyEbayLogin&ru=%2Fitem", true},
        {"http://127.0.0.1:8080/aw-cgi/eBayISAPI.dll?myebaylogin", true},
        {"http://127.0.0.1:8080/aw-cgi/eBayISAPI.dll?ViewItem&item=1", false},
        {"http://127.0.0.1:8081/aw-cgi/eBayISAPI.dll?MyEbayLogin", false},
        {"http://127.0.0.1:8080/signin/eBayISAPI.dll?MyEbayLogin", false},
    };
    for (const auto &[address, expected] : signIn)
        EXPECT_EQ(isSignInPage(site, QUrl(address)), expected) << address;
}

TEST(ScriptAddress, ScriptsAreKnownHoweverTheyAreWritten)
{
    const std::pair<const char *, bool> rows[] = {
        {"JavaScript:alert(document.cookie)", true},
        {"\x01\tjavascript:alert(1)", true},
        {"jav\r\nascript:alert(1)", true},
        {"https://example.com/?q=javascript:", false},
        {"file:///tmp/javascript.html", false},
        {"javascripts.example.com", false},
        {"C:\\Gavrin\\temp.html", false},
        {"about:blank", false},
        // A data: address is a page of its own, whose script may make requests.
        {"data:text/html,<script>fetch('/x')</script>", true},
        {" DATA:text/html;base64,PHNjcmlwdD4=", true},
        {"da\tta:text/html,x", true},
        {"metadata.example.com", false},
        {"https://example.com/?data:", false},
    };
    for (const auto &[text, script] : rows)
        EXPECT_EQ(isScriptAddress(QString::fromLatin1(text)), script) << text;
}

TEST(PageDialogs, OnlyTheTabInFrontAsksAndAPageTheProgramNavigatesIsLeft)
{
    using K = PageDialogKind;
    using A = PageDialogAnswer;
    // kind, in front, during a navigation of the program, throttled: answer
    const std::tuple<K, bool, bool, bool, A> rows[] = {
        {K::Alert, true, false, false, A::ShowNotice},
        {K::LeavePage, true, false, false, A::ShowQuestion},
        {K::Confirm, false, false, false, A::RefuseQuietly},
        {K::LeavePage, true, true, false, A::LeaveQuietly},
        {K::LeavePage, false, true, true, A::LeaveQuietly},
        {K::Alert, true, false, true, A::RefuseQuietly},
        // A page's own question during a navigation of the program is no leave question.
        {K::Confirm, true, true, false, A::ShowQuestion},
    };
    for (const auto &[kind, inFront, navigating, throttled, answer] : rows)
        EXPECT_EQ(pageDialogAnswer(kind, inFront, navigating, throttled), answer)
            << int(kind) << inFront << navigating << throttled;

    // The user's answer in the box goes to the same question asked again, once, within a minute.
    KeptAnswer kept;
    kept.keep(K::Prompt, "Your max bid?", "12", 1000);
    EXPECT_EQ(kept.take(K::Confirm, "Your max bid?", 2000), std::nullopt);
    EXPECT_EQ(kept.take(K::Prompt, "Your max bid?", 2000), QString("12"));
    EXPECT_EQ(kept.take(K::Prompt, "Your max bid?", 3000), std::nullopt);
    kept.keep(K::Confirm, "Raise your bid?", QString(), 1000);
    EXPECT_EQ(kept.take(K::Confirm, "Raise your bid?", 1000 + KeptAnswer::kKeptMs), std::nullopt);

    // A page saves a file only from the tab in front, just after the user's input in it.
    EXPECT_TRUE(pageMayDownload(true, 0));
    EXPECT_FALSE(pageMayDownload(true, kDownloadAfterInputMs));
    EXPECT_FALSE(pageMayDownload(true, -1)); // no input since the view was made
    EXPECT_FALSE(pageMayDownload(false, 0));
}

TEST(SearchRequest, TypedTextIsEscapedOnlyWhereItWouldChangeTheRequestsStructure)
{
    SearchFields fields = initialSearchFields();
    fields.titleWords = "Tom & Jerry #1 C++ 100%\t";
    fields.excludedWords = "a&b";
    fields.lowestPrice = "$5 (new) \"x\" \u00E9/?=&st=9";
    // A control character is escaped as its UTF-8 bytes.
    fields.highestPrice = QString("#") + QChar(0x85) + QChar(0x7f);
    fields.country = "United Kingdom";
    EXPECT_EQ(build(fields),
              "http://uk.test/search/search.dll?MfcISAPICommand=GetResult"
              "&query=Tom %26 Jerry %231 C%2B%2B 100%25%09+-%28a%26b%29&query2=Tom %26 Jerry %231 C%2B%2B 100%25%09"
              "&search_option=1&exclude=a%26b&category0=&ebaytag1=ebayctry&ebaytag1code=3&ebaycurr=999"
              "&minPrice=$5 (new) \"x\" \u00E9/?=%26st=9&maxPrice=%23%C2%85%7F&SortProperty=MetaEndSort&st=2");
    // Exclusion words alone begin the query with their group; "Any Country" searches the US server.
    fields = initialSearchFields();
    fields.excludedWords = "toy box";
    fields.country = "Any Country";
    EXPECT_TRUE(build(fields).startsWith("http://us.test:8080/search/search.dll?MfcISAPICommand=GetResult"
                                         "&query=+-%28toy box%29&query2=&search_option=1&exclude=toy box&"));
}

TEST(SiteConfig, HostsOverrideOneByOneAndValuesThatAreNoHostKeepTheDefaultAndAreNamedWithTheirReason)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("gavrin.ini");
    const SiteConfig defaults;
    QStringList ignored;
    SiteConfig config = loadSiteConfig(
        writeFile(ini, "[Site]\nItemServer=127.0.0.1:8123\nPageHost=a..b\nMakerSite=http://127.0.0.1:9/maker/\n"),
        &ignored);
    EXPECT_EQ(config.itemServer, "127.0.0.1:8123");
    EXPECT_EQ(config.pageHost, defaults.pageHost);
    EXPECT_EQ(config.makerSite, "http://127.0.0.1:9/maker");
    config = loadSiteConfig(writeFile(ini, "[Site]\nMakerSite=javascript:alert(1)\n"), &ignored);
    EXPECT_EQ(config.makerSite, defaults.makerSite);
    ASSERT_EQ(ignored.size(), 2) << ignored.join('\n').toStdString();
    EXPECT_TRUE(ignored[0].startsWith("PageHost=a..b: ") && ignored[0].size() > 15) << ignored[0].toStdString();
    EXPECT_TRUE(ignored[1].startsWith("MakerSite=javascript:alert(1): ")) << ignored[1].toStdString();
    // Names of sections and keys in any case, a file in UTF-16, and lines before [Site] are read.
    const QString utf16 = "[site]\r\nitemserver=utf16.test\r\n";
    const QByteArray withBom =
        QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2);
    const std::pair<QByteArray, QString> read[] = {
        {withBom, "utf16.test"},
        {"\xef\xbb\xbf\x01garbage\nnot=here\n[SITE]\nITEMSERVER = upper.test\n", "upper.test"},
    };
    for (const auto &[content, itemServer] : read) {
        ignored.clear();
        EXPECT_EQ(loadSiteConfig(writeFile(ini, content), &ignored).itemServer, itemServer);
        EXPECT_EQ(ignored, QStringList());
    }
    // A missing file gives the defaults without a word; a file that gives no key says why.
    ignored.clear();
    EXPECT_EQ(loadSiteConfig(dir.filePath("none.ini"), &ignored).itemServer, defaults.itemServer);
    EXPECT_EQ(ignored, QStringList());
    const std::pair<QByteArray, QString> unread[] = {
        {QByteArray("\x00\xff[Site\n=\n[[[\nItemServer", 23), "not text"},
        {"[Sites]\nItemServer=x.test\n", "no [Site] section"},
        {"", "no [Site] section"},
        {"[Site]\n", "no keys in [Site]"},
        {"[Site]\nItemSever=x.test\n", "ItemSever=x.test: no such key"},
    };
    for (const auto &[content, why] : unread) {
        ignored.clear();
        EXPECT_EQ(loadSiteConfig(writeFile(ini, content), &ignored).itemServer, defaults.itemServer);
        ASSERT_EQ(ignored.size(), 1) << why.toStdString();
        EXPECT_TRUE(ignored[0].startsWith(why)) << ignored[0].toStdString();
    }
}
