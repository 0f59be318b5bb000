#include "WebWindowFixture.h"

#include "platform/BrowserView.h"
#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"

#include <QMenu>
#include <QSignalSpy>
#include <QWebEngineView>
#include <QtTest>

namespace {

const QString kItemPage = QStringLiteral("/aw-cgi/eBayISAPI.dll");

QByteArray itemPage(const char *price)
{
    return QByteArrayLiteral("<!DOCTYPE html><html><body style='margin:0'>"
                             "<input id='bid' style='position:absolute;left:10px;top:10px;width:200px;height:30px'>"
                             "<span id='price' style='position:absolute;left:10px;top:60px;font-size:30px'>")
        + price + "</span></body></html>";
}

void waitForLoad(WebWindowFixture &f, int tab, int loads)
{
    QSignalSpy loaded(f.window->view(tab), &BrowserView::documentComplete);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), loads, 15000);
}

} // namespace

class WatchHelpersWebTest : public QObject
{
    Q_OBJECT

private slots:
    void aTimedReloadLeavesWhatTheUserIsTyping()
    {
        WebWindowFixture f;
        f.server.setPage(kItemPage, itemPage("US $41.00"));
        f.watch("1");
        waitForLoad(f, 0, 1);
        QWidget *page = f.webView(0)->focusProxy();
        // A click that reaches the page before it can take input is lost: click again.
        QVERIFY(QTest::qWaitFor([&] {
            QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(60, 25));
            return f.evaluate(0, "document.activeElement.id").toString() == "bid";
        }, 10000));
        QTest::keyClicks(page, "45");
        QTRY_COMPARE(f.evaluate(0, "document.getElementById('bid').value").toString(), QString("45"));

        emit f.window->watchTab(0)->reloadTimer()->timeout();
        QTest::qWait(1500);
        QCOMPARE(f.server.requestCount(f.itemPath("1")), 1);
        QCOMPARE(f.evaluate(0, "document.getElementById('bid').value").toString(), QString("45"));

        f.evaluate(0, "document.activeElement.blur()");
        emit f.window->watchTab(0)->reloadTimer()->timeout();
        QTRY_COMPARE_WITH_TIMEOUT(f.server.requestCount(f.itemPath("1")), 2, 10000);
    }

    void pageQuestionsHoldNoTimedReloadAndAskOnlyInFront()
    {
        WebWindowFixture f;
        // Item 1 asks before it is left; item 2 asks a question of its own a moment after it loads.
        f.server.setPage(kItemPage, itemPage("US $41.00") + QByteArrayLiteral(
            "<script>if (location.search.indexOf('item=1') >= 0)"
            "  window.onbeforeunload = function (e) { e.preventDefault(); e.returnValue = 'Leave?'; };"
            "else setTimeout(function () { document.title = confirm('Raise your bid?') ? 'yes' : 'no'; }, 1500);"
            "</script>"));
        f.watch("1");
        waitForLoad(f, 0, 1);
        // The engine asks before leaving only a page the user has touched.
        QVERIFY(QTest::qWaitFor([&] {
            QTest::mouseClick(f.webView(0)->focusProxy(), Qt::LeftButton, {}, QPoint(300, 200));
            return f.evaluate(0, "navigator.userActivation.hasBeenActive").toBool();
        }, 10000));
        emit f.window->watchTab(0)->reloadTimer()->timeout();
        QTRY_COMPARE_WITH_TIMEOUT(f.server.requestCount(f.itemPath("1")), 2, 10000);

        f.watch("2");
        waitForLoad(f, 1, 1);
        f.window->tabs()->setCurrent(0);
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(1, "document.title").toString(), QString("no"), 10000);
        QVERIFY(f.window->tabs()->isTabMarked(1));
        QCOMPARE(f.window->view(1)->health().pageMessage, QString("Raise your bid?"));
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!(top->isVisible() && top->inherits("QDialog")), qPrintable(top->windowTitle()));
    }

    void aChosenElementAlertsWhenItChanges()
    {
        WebWindowFixture f;
        f.server.setPage(kItemPage, itemPage("US $41.00"));
        f.watch("123");
        waitForLoad(f, 0, 1);

        QSignalSpy chosen(f.window->view(0), &BrowserView::elementChosen);
        QVERIFY(QTest::qWaitFor([&] {
            QTest::mouseClick(f.webView(0)->focusProxy(), Qt::RightButton, {}, QPoint(40, 75));
            return QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
        }, 10000));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *alert = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text() == "Alert me when this changes")
                alert = action;
        }
        QVERIFY(alert);
        alert->trigger();
        menu->close();
        QTRY_COMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].toString(), QString("US $41.00"));

        f.watch("456");
        QSignalSpy read(f.window->view(0), &BrowserView::elementRead);
        emit f.window->watchTab(0)->reloadTimer()->timeout();
        QTRY_COMPARE_WITH_TIMEOUT(read.size(), 1, 15000);
        QVERIFY(f.notifier.messages.isEmpty());

        f.server.setPage(kItemPage, itemPage("US $45.00"));
        emit f.window->watchTab(0)->reloadTimer()->timeout();
        QTRY_COMPARE_WITH_TIMEOUT(read.size(), 2, 15000);
        QCOMPARE(f.notifier.messages, QStringList{"Item 123: 'US $41.00' is now 'US $45.00'"});
        QVERIFY(f.window->tabs()->isTabMarked(0));
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 123"));
        f.window->tabs()->setCurrent(0);
        QVERIFY(!f.window->tabs()->isTabMarked(0));
    }
};

QTEST_MAIN(WatchHelpersWebTest)
#include "WatchHelpersWebTest.moc"
