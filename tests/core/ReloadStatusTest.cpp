#include "app/core/ReloadStatus.h"
#include "app/core/SiteAddresses.h"
#include "app/core/TabToolTip.h"
#include "platform/core/SiteConfig.h"

#include <QUrl>

#include <gtest/gtest.h>

TEST(ReloadStatus, EachTimedRateSaysItsPeriodAndTimeLeft)
{
    const struct
    {
        int period;
        int remaining;
        const char *text;
    } rows[] = {
        {60000, 60000, "Reloads every minute; next in 1 min"},
        {45000, 44001, "Reloads every 45 seconds; next in 45 s"},
        {30000, 12000, "Reloads every 30 seconds; next in 12 s"},
        {15000, 0, "Reloads every 15 seconds; next in 0 s"},
        {60000, 61500, "Reloads every minute; next in 1 min"},
    };
    for (const auto &row : rows) {
        const ReloadStatus status = reloadStatus({true, row.period, row.remaining}, false, "300");
        EXPECT_EQ(status.tooltip, row.text);
        ASSERT_TRUE(status.fractionLeft);
        EXPECT_DOUBLE_EQ(*status.fractionLeft, double(std::min(row.remaining, row.period)) / row.period);
    }
}

TEST(ReloadStatus, FiveMinutesFollowsTheCountdown)
{
    // The tab's timer is enabled with period 0 and never fires.
    const ReloadStatus status = reloadStatus({true, 0, -1}, true, "220");
    EXPECT_EQ(status.tooltip, "Reloads with the 5-minute countdown when in front; next in 3 min 40 s");
    EXPECT_DOUBLE_EQ(*status.fractionLeft, 220.0 / 300);
    EXPECT_EQ(reloadStatus({true, 0, -1}, true, "60").tooltip,
              "Reloads with the 5-minute countdown when in front; next in 1 min");
}

TEST(ReloadStatus, OwnTimerWinsOverARunningCountdown)
{
    EXPECT_EQ(reloadStatus({true, 45000, 9000}, true, "120").tooltip, "Reloads every 45 seconds; next in 9 s");
}

TEST(ReloadStatus, NoRefreshAndUnknownRatesAreNotReloading)
{
    for (const ReloadTimerState &tab : {ReloadTimerState{false, 60000, -1}, ReloadTimerState{true, 0, -1}}) {
        const ReloadStatus status = reloadStatus(tab, false, "300");
        EXPECT_EQ(status.tooltip, "Not reloading");
        EXPECT_FALSE(status.fractionLeft);
    }
    // A count that is no number gives no figure rather than a wrong one.
    EXPECT_EQ(reloadStatus({true, 0, -1}, true, "abc").tooltip, "Not reloading");
}

TEST(ReloadStatus, AStaleTabSaysWhenItWasDrawnAndWhyItWasNotReloaded)
{
    const QDateTime drawn(QDate(2026, 12, 7), QTime(14, 2, 31));
    PageHealth health;
    health.lastDrawn = drawn;
    const ReloadTimerState timer{true, 15000, 4000};

    ReloadStatus status = reloadStatus(timer, false, "300", health, drawn.addSecs(25));
    EXPECT_EQ(status.tooltip, "Reloads every 15 seconds; next in 4 s\nLast drawn at 14:02:31, 25 s ago");
    EXPECT_EQ(status.tone, HealthTone::Fine);

    health.pausedForTyping = true;
    status = reloadStatus(timer, false, "300", health, drawn.addSecs(90));
    EXPECT_EQ(status.tooltip, "Reloads every 15 seconds; next in 4 s\nPaused while you type into the page\n"
                              "Last drawn at 14:02:31, 1 min 30 s ago");
    EXPECT_EQ(status.tone, HealthTone::Held);

    health.pausedForTyping = false;
    health.waitingForDialog = true;
    EXPECT_EQ(reloadStatus(timer, false, "300", health, drawn).tone, HealthTone::Held);

    // Failing wins over waiting: the page will not come back by itself.
    health.loadError = "Connection refused";
    status = reloadStatus(timer, false, "300", health, drawn);
    EXPECT_TRUE(status.tooltip.contains("\nSite not answering: Connection refused\n"));
    EXPECT_EQ(status.tone, HealthTone::Failing);

    PageHealth hung;
    hung.notResponding = true;
    hung.pageMessage = "You have been outbid";
    status = reloadStatus(timer, false, "300", hung, drawn);
    EXPECT_EQ(status.tooltip, "Reloads every 15 seconds; next in 4 s\nPage not responding\n"
                              "The page said: You have been outbid");
    EXPECT_EQ(status.tone, HealthTone::Failing);
}

TEST(ReloadStatus, AWatchedItemsStatusIsTheFirstThatHolds)
{
    PageHealth failing;
    failing.loadError = "refused";
    PageHealth typing;
    typing.pausedForTyping = true;
    PageHealth hung = failing;
    hung.notResponding = true;
    EXPECT_EQ(watchStatus(hung, true, true), "ended");
    EXPECT_EQ(watchStatus(hung, false, true), "not responding");
    EXPECT_EQ(watchStatus(failing, false, true), "not answering");
    EXPECT_EQ(watchStatus(typing, false, true), "paused");
    EXPECT_EQ(watchStatus({}, false, true), "changed");
    EXPECT_EQ(watchStatus({}, false, false), "live");
}

TEST(TabToolTip, TellsTitleAndAddressAndAPageOffTheSite)
{
    EXPECT_EQ(tabToolTip("Reloads every minute; next in 1 min", "Penny Black", QUrl("http://cgi.ebay.com/x"), true),
              "Reloads every minute; next in 1 min\nPage: Penny Black\nAddress: http://cgi.ebay.com/x");
    EXPECT_EQ(tabToolTip(QString(), QString(), QUrl("http://ebay.example.net/x"), false),
              "Not on the auction site: http://ebay.example.net/x");
    EXPECT_EQ(tabToolTip(QString(), QString(), QUrl(), true), QString());

    SiteConfig site;
    site.itemServer = "127.0.0.1:8080";
    const struct
    {
        const char *address;
        bool onSite;
    } rows[] = {
        {"http://127.0.0.1:8080/aw-cgi/eBayISAPI.dll?ViewItem&item=1", true},
        {"https://SIGNIN.ebay.com/login", true},
        {"http://www.belvax.com/list.html", true},
        {"file:///opt/gavrin/temp.html", true},
        {"", true},
        {"http://127.0.0.1:8081/aw-cgi/eBayISAPI.dll?ViewItem&item=1", false},
        {"http://127.0.0.1/", false},
        {"http://cgi.ebay.com.evil.test/", false},
        {"https://ebay.com/", false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(isOnSite(site, QUrl(row.address)), row.onSite) << row.address;
}
