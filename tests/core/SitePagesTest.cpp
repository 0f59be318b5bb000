#include "app/core/SiteAddresses.h"
#include "platform/core/PageDialogs.h"
#include "platform/core/ScriptAddress.h"
#include "platform/core/SiteConfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
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

TEST(SiteConfig, HostsOverrideOneByOneAndValuesThatAreNoHostKeepTheDefaultAndAreNamedWithTheirReason)
{
    QTemporaryDir dir;
    const SiteConfig defaults;
    QStringList ignored;
    SiteConfig config = loadSiteConfig(writeIni(dir, "[Site]\nItemServer=127.0.0.1:8123\nMainHost=\nPageHost=a..b\n"
                                                     "LoginHost=evil.example/path?x\nSearchUK=127.0.0.1:99999\n"
                                                     "MakerSite=http://127.0.0.1:9/maker/\n"),
                                       &ignored);
    EXPECT_EQ(config.itemServer, "127.0.0.1:8123");
    EXPECT_EQ(config.makerSite, "http://127.0.0.1:9/maker");
    for (const auto &[read, kept] : {std::pair{config.mainHost, defaults.mainHost}, {config.pageHost, defaults.pageHost},
                                     {config.loginHost, defaults.loginHost}, {config.searchUK, defaults.searchUK}})
        EXPECT_EQ(read, kept);
    config = loadSiteConfig(writeIni(dir, "[Site]\nMakerSite=javascript:alert(1)\n"), &ignored);
    EXPECT_EQ(config.makerSite, defaults.makerSite);
    const char *starts[] = {"MainHost=: ", "PageHost=a..b: ", "LoginHost=evil.example/path?x: ",
                            "SearchUK=127.0.0.1:99999: ", "MakerSite=javascript:alert(1): "};
    ASSERT_EQ(ignored.size(), 5) << ignored.join('\n').toStdString();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(ignored[i].startsWith(starts[i]) && ignored[i].size() > qsizetype(strlen(starts[i])))
            << ignored[i].toStdString();
    // A missing file, or one that cannot be parsed, gives the defaults.
    EXPECT_EQ(loadSiteConfig(dir.filePath("none.ini")).itemServer, defaults.itemServer);
    EXPECT_EQ(loadSiteConfig(writeIni(dir, QByteArray("\x00\xff[Site\n=\n[[[\nItemServer", 23))).itemServer,
              defaults.itemServer);
}

TEST(SiteConfig, HostsAreCheckedAsTheAuthorityOfAnAddress)
{
    for (const char *value : {"cgi.ebay.com", "127.0.0.1:8123", "a-b.example:65535", "[::1]:8080", "xn--bcher-kva.example"})
        EXPECT_EQ(hostProblem(value), QString()) << value;
    const char *bad[] = {"", "http://x.example", "x.example/path", "user@x.example", "127.0.0.1:99999",
                         "x.example:0", "x.example:", "x.example:8a", "a:1:2", "a..b", "-a.example", "a-.example",
                         "a_b.example", "[nothost]:80", QByteArray(64, 'a').constData()};
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
        {"https://LOGIN.test/login", true}, {"http://www.belvax.com/list.html", true},
        {"file:///opt/gavrin/temp.html", true}, {"http://127.0.0.1/", false}, {"http://login.test.evil.test/", false},
    };
    for (const auto &[address, expected] : onSite)
        EXPECT_EQ(isOnSite(site, QUrl(address)), expected) << address;
}

TEST(ScriptAddress, ScriptsAreKnownHoweverTheyAreWritten)
{
    const std::pair<const char *, bool> rows[] = {
        {"JavaScript:alert(document.cookie)", true}, {"\x01\tjavascript:alert(1)", true},
        {"jav\r\nascript:alert(1)", true},           {"https://example.com/?q=javascript:", false},
        {"file:///tmp/javascript.html", false},      {"javascripts.example.com", false},
        {"C:\\Gavrin\\temp.html", false},            {"about:blank", false},
    };
    for (const auto &[text, script] : rows)
        EXPECT_EQ(isScriptAddress(QString::fromLatin1(text)), script) << text;
}

TEST(PageDialogs, OnlyTheTabInFrontAsksAndATimedReloadNeverWaits)
{
    using K = PageDialogKind;
    using A = PageDialogAnswer;
    // kind, in front, during a timed reload, throttled: answer
    const std::tuple<K, bool, bool, bool, A> rows[] = {
        {K::Alert, true, false, false, A::ShowNotice},     {K::LeavePage, true, false, false, A::AskUser},
        {K::Confirm, false, false, false, A::RefuseQuietly}, {K::LeavePage, true, true, false, A::LeaveQuietly},
        {K::LeavePage, false, true, true, A::LeaveQuietly},
        // A page's own question during a timed reload is no leave question.
        {K::Confirm, true, true, false, A::AskUser},
        {K::Alert, true, false, true, A::RefuseQuietly},
    };
    for (const auto &[kind, inFront, timed, throttled, answer] : rows)
        EXPECT_EQ(pageDialogAnswer(kind, inFront, timed, throttled), answer)
            << int(kind) << inFront << timed << throttled;
}
