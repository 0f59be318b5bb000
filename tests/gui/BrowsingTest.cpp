#include "MainWindowFixture.h"

#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"

#include <QtTest>

// Browsing on a watched tab: it keeps its item and its timer, and a form is sent again only when the user says so.
class BrowsingTest : public QObject
{
    Q_OBJECT

private slots:
    void refreshAsksBeforeAFormIsSentAgain()
    {
        MainWindowFixture f;
        f.watch("42");
        f.window->reloadTab();
        QCOMPARE(f.view(0)->calls.last(), QString("reload"));
        f.view(0)->formAnswer = true;
        f.view(0)->calls.clear();
        f.window->reloadTab();
        QCOMPARE(f.messages.asked.size(), 1);
        QCOMPARE(f.messages.asked[0].text, QString("This page was sent by a form. Send it again?"));
        QVERIFY(f.view(0)->calls.isEmpty());
        f.messages.answer = true;
        f.window->reloadTab();
        QCOMPARE(f.view(0)->calls, QStringList{"resendForm"});
    }

    // The program has one window: a page asked for in a new one opens in the
    // services tab, which comes to the front; the asking tab keeps its page.
    void aWatchedTabBrowsedAwayKeepsItsItemAndTimer()
    {
        MainWindowFixture f;
        f.watch("42");
        const QString itemPage = f.view(0)->shown;
        emit f.view(0)->newPageRequested("http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item=42");
        QCOMPARE(f.window->tabs()->current(), 5);
        QCOMPARE(f.view(5)->shown, QString("http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item=42"));
        QCOMPARE(f.view(0)->shown, itemPage);

        f.window->tabs()->setCurrent(0);
        f.window->openHomePage();
        QCOMPARE(f.view(0)->shown, QString("http://www.ebay.com/"));
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 42"));
        QVERIFY(f.window->watchTab(0)->reloadTimer()->isRunning());
    }
};

QTEST_MAIN(BrowsingTest)
#include "BrowsingTest.moc"
