// The main window on real web views against a local HTTP server: what the
// watch tabs do with a real item page, and what any page may do in the views.
#include "MainWindowFixture.h"
#include "app/ItemBox.h"
#include "app/MainWindow.h"
#include "app/WatchTab.h"
#include "app/core/LocalPages.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "platform/web/WebBrowserView.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>

namespace {

const QString kItemPage = QStringLiteral("/aw-cgi/eBayISAPI.dll");

// Item 1 asks before it is left; item 2 asks a question of its own a moment after it loads.
QByteArray itemPage(const char *price)
{
    return QByteArrayLiteral("<!DOCTYPE html><html><body style='margin:0;font-size:30px'>"
                             "<input id='bid' style='position:absolute;left:10px;top:10px;width:200px;height:30px'>"
                             "<input id='pin' type='password' style='position:absolute;left:300px;top:10px'>"
                             "<span id='price' style='position:absolute;left:10px;top:60px'>")
        + price
        + "</span><span style='position:absolute;left:10px;top:110px'>Time left: 2h 3m</span><script>"
          "if (location.search.indexOf('item=1') >= 0)"
          "  window.onbeforeunload = function (e) { e.preventDefault(); e.returnValue = 'Leave?'; };"
          "else if (location.search.indexOf('item=2') >= 0)"
          "  setTimeout(function () { document.title = confirm('Raise your bid?') ? 'yes' : 'no'; }, 1500);"
          "</script></body></html>";
}

// The main window on real web views. Its item server is a small HTTP server on
// 127.0.0.1: it answers each request with the page set for its path, an empty
// page for any other, with the status line and headers set for its path, and
// records the requests; it never answers a request for /hang.
struct WebWindow
{
    WebWindow()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            // The sockets go with the server.
            while (QTcpSocket *socket = server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        });
        MainWindowServices services;
        services.createView = [this](QWidget *parent) { return new WebBrowserView(&profile, parent); };
        services.messages = &messages;
        services.settings = &settings;
        services.notifier = &notifier;
        services.programFolder = QDir::toNativeSeparators(folder.path());
        services.site.itemServer = host();
        window = std::make_unique<MainWindow>(services);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not shown");
    }

    void serve(QTcpSocket *socket)
    {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        requests << path;
        if (path == "/hang")
            return;
        const QByteArray body = request.startsWith("HEAD")
            ? QByteArray()
            : pages.value(path.section('?', 0, 0), QByteArrayLiteral("<html></html>"));
        socket->write("HTTP/1.1 " + heads.value(path, "200 OK")
                      + "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
                        "Connection: close\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
    BrowserView *view(int tab) const { return viewOf(window.get(), tab); }
    TabStrip *tabs() const { return tabStripOf(window.get()); }
    WatchTabSet *watchTabs() const { return watchTabsOf(window.get()); }
    WatchTab *watchTab(int tab) const { return watchTabs()->tab(tab); }
    QWebEngineView *webView(int tab) const { return static_cast<WebBrowserView *>(view(tab))->view(); }
    QWidget *input(int tab) const { return webView(tab)->focusProxy(); }
    QString address(const QString &path) const { return "http://" + host() + path; }
    static QString itemPath(const QString &item) { return kItemPage + "?ViewItem&item=" + item; }
    void tick(int tab) const { emit watchTab(tab)->reloadTimer()->timeout(); }

    // Runs a script in the page of a tab and waits for its answer.
    QVariant evaluate(int tab, const QString &script) const
    {
        std::optional<QVariant> result;
        webView(tab)->page()->runJavaScript(script, [&result](const QVariant &value) { result = value; });
        if (!QTest::qWaitFor([&result] { return result.has_value(); }, 10000))
            qWarning("the page did not answer the script");
        return result.value_or(QVariant());
    }

    bool openAndWait(int tab, const std::function<void()> &open) const
    {
        QSignalSpy loaded(view(tab), &BrowserView::documentComplete);
        open();
        return QTest::qWaitFor([&loaded] { return !loaded.isEmpty(); }, 15000);
    }

    bool watch(const QString &item, int tab) const
    {
        return openAndWait(tab, [&] {
            widgetNamed<ItemBox>(window.get(), "itemBox")->setText(item);
            window->watchItem();
        });
    }

    // Clicks a point of a tab's page until done: a click that reaches the page
    // before it takes input is lost, and a page between renderers has no widget.
    bool clickUntil(int tab, QPoint at, const std::function<bool()> &done,
                    Qt::MouseButton button = Qt::LeftButton) const
    {
        return QTest::qWaitFor(
            [&] {
                if (input(tab))
                    QTest::mouseClick(input(tab), button, {}, at);
                return QTest::qWaitFor(done, 1500);
            },
            15000);
    }

    bool chooseFromContextMenu(int tab, QPoint at, const QString &entry) const
    {
        if (!clickUntil(
                tab, at, [] { return QApplication::activePopupWidget() != nullptr; }, Qt::RightButton))
            return false;
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu->actions())
            if (action->text() == entry)
                action->trigger();
        menu->close();
        return true;
    }

    QTcpServer server;
    QHash<QString, QByteArray> pages; // by path without the query
    QHash<QString, QByteArray> heads; // by path: the status, then any headers
    QStringList requests;
    QTemporaryDir folder;
    RecordingMessageDialog messages;
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    QWebEngineProfile profile;
    std::unique_ptr<MainWindow> window;
};

} // namespace

class RealPagesWebTest : public QObject
{
    Q_OBJECT

private slots:
    void aWatchedItemPageComesBackHoldsForTypingAndFollowsItsElements()
    {
        WebWindow f;
        f.pages[kItemPage] = itemPage("US $41.00");
        QVERIFY(f.watch("1", 0));
        // A page whose renderer died comes back by itself: at once before a tick has told the view its
        // tab's rate, then no sooner than that rate while the page dies within a period of its load.
        // The third death in a row stops the tab until the user reloads it.
        QWebEnginePage *page = f.webView(0)->page();
        const auto killRenderer = [page] {
            // A page between renderers has none; kill(0) would end the whole process group.
            QTRY_VERIFY(page->renderProcessPid() > 0);
            ::kill(pid_t(page->renderProcessPid()), SIGKILL);
        };
        const QString item1 = f.itemPath("1");
        QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
        killRenderer();
        QTRY_VERIFY_WITH_TIMEOUT(loaded.contains(QVariantList{true}), 10000);
        QCOMPARE(f.requests.count(item1), 2);
        QVERIFY(f.openAndWait(0, [&] { f.tick(0); }));
        killRenderer();
        QTest::qWait(3000);
        QCOMPARE(f.requests.count(item1), 3);
        QVERIFY(f.openAndWait(0, [&] { f.tick(0); }));
        killRenderer();
        QTRY_VERIFY(f.view(0)->health().stoppedAfterCrashes);
        QCOMPARE(f.tabs()->tabBar()->tabTone(0), HealthTone::Failing);
        QCOMPARE(f.notifier.messages, QStringList{"Item 1: stopped, the page crashed 3 times in a row"});
        f.tick(0);
        QTest::qWait(1500);
        QCOMPARE(f.requests.count(item1), 4);
        QVERIFY(f.openAndWait(0, [&] { f.window->reloadTab(); }));
        QVERIFY(!f.view(0)->health().stoppedAfterCrashes);

        // A timed reload leaves what the user is typing: the pause shows as the user types.
        QVERIFY(
            f.clickUntil(0, {320, 20}, [&] { return f.evaluate(0, "document.activeElement.id").toString() == "pin"; }));
        QTest::keyClicks(f.input(0), "77");
        QVERIFY(
            f.clickUntil(0, {60, 25}, [&] { return f.evaluate(0, "document.activeElement.id").toString() == "bid"; }));
        QTest::keyClicks(f.input(0), "45");
        QTRY_COMPARE(f.evaluate(0, "bid.value + pin.value").toString(), QString("4577"));
        QTRY_VERIFY(f.view(0)->health().pausedForTyping);
        f.tick(0);
        QTest::qWait(1500);
        QCOMPARE(f.requests.count(item1), 5);
        // The hold ends at its bound, here 3 s after the last key, without a
        // tick though the field keeps the focus; the page's question before
        // it is left, which the engine asks of a page the user touched, is
        // answered "leave", and the typed text is put back, a password never.
        QVERIFY(f.evaluate(0, "navigator.userActivation.hasBeenActive").toBool());
        QElapsedTimer held;
        held.start();
        QVERIFY(f.openAndWait(0, [&] { f.view(0)->reloadOnTimer({QString(), 60000, 3000}); }));
        QVERIFY(held.elapsed() < 4000);
        QCOMPARE(f.requests.count(item1), 6);
        QTRY_COMPARE(f.evaluate(0, "bid.value + '|' + pin.value").toString(), QString("45|"));
        QVERIFY(!f.view(0)->health().pausedForTyping);

        // A question of a page out of sight is answered "cancel" unseen and marks its tab.
        QVERIFY(f.watch("2", 1));
        f.tabs()->setCurrent(0);
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(1, "document.title").toString(), QString("no"), 10000);
        QVERIFY(f.tabs()->isTabMarked(1));
        QCOMPARE(f.view(1)->health().pageMessage, QString("Raise your bid?"));

        // Elements chosen on the context menu are read from the page.
        WatchTab *tab = f.watchTab(0);
        const auto followed = [tab] { return tab->summary(QDateTime::currentDateTime(), false, 0).followed; };
        QVERIFY(f.chooseFromContextMenu(0, {40, 75}, "Alert me when this changes"));
        QTRY_COMPARE(followed().size(), 1);
        QCOMPARE(followed()[0].value, QString("US $41.00"));
        QVERIFY(f.chooseFromContextMenu(0, {40, 125}, "This shows the time left"));
        const QDateTime now = QDateTime::currentDateTime();
        QTRY_VERIFY(f.watchTab(0)->summary(now, false, 0).end);
        QVERIFY(qAbs(now.secsTo(*f.watchTab(0)->summary(now, false, 0).end) - (2 * 3600 + 3 * 60)) < 60);

        // The followed element is read again after each reload.
        f.pages[kItemPage] = itemPage("US $45.00");
        f.tick(0);
        QTRY_COMPARE_WITH_TIMEOUT(followed()[0].value, QString("US $45.00"), 15000);

        // Stop alerting on the price stops the price alone.
        QVERIFY(f.chooseFromContextMenu(0, {40, 125}, "Alert me when this changes"));
        QTRY_COMPARE(followed().size(), 2);
        QVERIFY(f.chooseFromContextMenu(0, {40, 75}, "Stop alerting"));
        QTRY_COMPARE(followed().size(), 1);
        QCOMPARE(tab->keptItem().followed, QStringList{tab->keptItem().timeLeft});

        // A site that asks to be left alone is asked once how long, not again before then, and
        // then reloaded by the tick that waited.
        const QString busy = f.itemPath("3");
        f.heads[busy] = "429 Too Many Requests\r\nRetry-After: 6";
        QVERIFY(f.watch("3", 2));
        QTRY_COMPARE(f.view(2)->health().siteAskedWaitS, 6);
        QCOMPARE(f.view(2)->health().loadError, QString("HTTP 429"));
        f.watchTabs()->showStatus(QDateTime::currentDateTime());
        QVERIFY(f.tabs()->tabBar()->tabToolTip(2).contains("\nThe site asked to wait 6 s"));
        f.tick(2);
        QTest::qWait(1500);
        QCOMPARE(f.requests.count(busy), 2);
        // The site answers 429 again, and is asked again how long: the count may pass 3 between looks.
        QTRY_VERIFY_WITH_TIMEOUT(f.requests.count(busy) >= 3, 8000);
        // A site that does not answer for a whole period is said so; its load goes on.
        f.view(3)->open(f.address("/hang"));
        QTRY_COMPARE(f.requests.count("/hang"), 1);
        QTest::qWait(1000);
        f.view(3)->reloadOnTimer({QString(), 1000});
        QCOMPARE(f.view(3)->health().loadError, QString("no answer"));
        QCOMPARE(f.requests.count("/hang"), 1);

        // A question of the page in front is answered "cancel" at once and
        // shown in a box that holds nothing up; the answer given there is the
        // page's when it asks again.
        f.tabs()->setCurrent(1);
        QVERIFY(f.openAndWait(1, [&] { f.tick(1); }));
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(1, "document.title").toString(), QString("no"), 10000);
        const QList<QMessageBox *> boxes = openWindows<QMessageBox>();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0]->text(), QString("Raise your bid?"));
        boxes[0]->button(QMessageBox::Ok)->click();
        QVERIFY(f.openAndWait(1, [&] { f.tick(1); }));
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(1, "document.title").toString(), QString("yes"), 10000);

        // Released, the page that asks before it is left is left, and only then is its tab free.
        f.tabs()->setCurrent(0);
        QVERIFY(f.clickUntil(0, {300, 300},
                             [&] { return f.evaluate(0, "navigator.userActivation.hasBeenActive").toBool(); }));
        f.window->releaseTab();
        QCOMPARE(f.tabs()->caption(0), QString("Item 1"));
        QTRY_VERIFY_WITH_TIMEOUT(f.webView(0)->url().isLocalFile(), 10000);
        QTRY_COMPARE(f.tabs()->caption(0), QString("Available"));
        QCOMPARE(openWindows<QMessageBox>().size(), 0);
    }

    // Out of sight between its reloads a page is frozen; its timed reload
    // comes on time and shows the page as it is now. The page in front and
    // one holding typed text are never frozen.
    void aFrozenPageReloadsOnTimeAndShowsWhatChanged()
    {
        using State = QWebEnginePage::LifecycleState;
        WebWindow f;
        f.pages[kItemPage] = itemPage("US $41.00");
        widgetNamed<ChoiceBox>(f.window.get(), "rateBox")->setCurrentText("15 Seconds");
        f.window->applyPickedRate();
        QVERIFY(f.watch("3", 0));
        QVERIFY(f.watch("4", 1));
        QWebEnginePage *hidden = f.webView(0)->page();
        QVERIFY(f.openAndWait(0, [&] { f.tick(0); }));
        QTRY_COMPARE(hidden->lifecycleState(), State::Frozen);
        QCOMPARE(f.webView(1)->page()->lifecycleState(), State::Active);
        f.pages[kItemPage] = itemPage("US $45.00");
        QVERIFY(f.openAndWait(0, [&] { f.tick(0); }));
        QCOMPARE(f.requests.count(f.itemPath("3")), 3);
        f.tabs()->setCurrent(0);
        QCOMPARE(hidden->lifecycleState(), State::Active);
        QCOMPARE(f.evaluate(0, "price.textContent").toString(), QString("US $45.00"));

        QVERIFY(
            f.clickUntil(0, {60, 25}, [&] { return f.evaluate(0, "document.activeElement.id").toString() == "bid"; }));
        QTest::keyClicks(f.input(0), "46");
        QTRY_VERIFY(f.view(0)->health().pausedForTyping);
        f.tabs()->setCurrent(1);
        f.view(0)->freeze(60000);
        QCOMPARE(hidden->lifecycleState(), State::Active);
    }

    void pagesAndTheProgramsOwnPagesInTheViews()
    {
        WebWindow f;
        // The program's own pages show; a local page cannot read another local file.
        for (const QString &name : {splashPageName(), blankPageName(), helpPageName()})
            QVERIFY(QFile::copy(QStringLiteral(GAVRIN_PAGES_DIR) + name, f.folder.filePath(name)));
        f.window->start();
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(kServicesTab, "document.title").toString(), QString("Gavrin Help"), 15000);
        QTRY_VERIFY(
            f.evaluate(kServicesTab, "[...document.images].filter(i => i.naturalWidth > 0).length == 4").toBool());
        QFile reader(f.folder.filePath("reader.html"));
        QVERIFY(reader.open(QIODevice::WriteOnly));
        reader.write("<html><body><script>var r = new XMLHttpRequest();"
                     "try { r.open('GET', 'gavrinhelp.htm', false); r.send(); document.title = 'read'; }"
                     "catch (e) { document.title = 'refused'; }</script></body></html>");
        reader.close();
        widgetNamed<TextBox>(f.window.get(), "addressBox")->setText(f.folder.filePath("reader.html"));
        f.window->findChild<ServicesTab *>()->visitAddress();
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(kServicesTab, "document.title").toString(), QString("refused"), 15000);

        // The services tab's waiting caption comes back with the first frame
        // that loads, though another frame never answers.
        f.pages["/frames.html"] = "<!DOCTYPE html><html><body><iframe src='/quick.html'></iframe>"
                                  "<iframe src='/hang'></iframe></body></html>";
        f.tabs()->setCaption(kServicesTab, "Loading...Please Wait");
        f.view(kServicesTab)->open(f.address("/frames.html"));
        QTRY_COMPARE_WITH_TIMEOUT(f.tabs()->caption(kServicesTab), QString(" Help/Services "), 15000);
        QCOMPARE(f.requests.count("/hang"), 1);

        // The answer to a form is not sent again by a reload, a timed reload,
        // or going back and forward, only when the user says yes to sending it again.
        f.pages["/form.html"] = "<form method='post' action='/bid'><input name='amount' value='500'>"
                                "<input type='submit' style='position:absolute;left:0;top:0'></form>";
        BrowserView *services = f.view(kServicesTab);
        f.tabs()->setCurrent(kServicesTab);
        QVERIFY(f.openAndWait(kServicesTab, [&] { services->open(f.address("/form.html")); }));
        QVERIFY(f.openAndWait(kServicesTab, [&] {
            f.clickUntil(kServicesTab, {15, 8}, [&] { return f.requests.count("/bid") > 0; });
        }));
        // On a slow machine the click may have been made twice before the first was heard.
        const int sent = f.requests.count("/bid");
        services->reload();
        services->reloadOnTimer({QString(), 60000});
        f.window->reloadTab();
        QTest::qWait(1500);
        QCOMPARE(f.requests.count("/bid"), sent);
        QCOMPARE(f.messages.asked.size(), 1);
        f.messages.answer = true;
        f.window->reloadTab();
        QTRY_COMPARE_WITH_TIMEOUT(f.requests.count("/bid"), sent + 1, 10000);
        QVERIFY(f.openAndWait(kServicesTab, [&] { services->back(); }));
        services->forward();
        QTest::qWait(1500);
        QCOMPARE(f.requests.count("/bid"), sent + 1);

        // A link aimed at a new window opens its page in the services tab;
        // windows a page opens by itself are not opened, and every permission
        // and full screen are refused at once.
        f.pages["/page.html"] = R"(<!DOCTYPE html><html><body style='margin:0;font-size:30px'>
<a target='_blank' href='/opened' style='position:absolute;left:10px;top:10px'>Bid history</a>
<input id='box' autofocus style='position:absolute;left:10px;top:200px'>
<script>
window.open('/popup?when=load');
setTimeout(function () { window.open('/popup?when=timer'); }, 300);
var results = {};
function note(key) { return function () { results[key] = true; }; }
Notification.requestPermission().then(function (answer) { results[answer] = true; });
navigator.geolocation.getCurrentPosition(note('granted'), note('location'));
document.onclick = function () {
  document.documentElement.requestFullscreen().then(note('granted'), note('fullScreen'));
};
</script></body></html>)";
        f.tabs()->setCurrent(0);
        QVERIFY(f.openAndWait(0, [&] { f.view(0)->open(f.address("/page.html")); }));
        QVERIFY(f.clickUntil(0, {300, 400}, [&] { return f.evaluate(0, "Object.keys(results).length").toInt() == 3; }));
        QCOMPARE(f.evaluate(0, "Object.keys(results).sort().join()").toString(), QString("denied,fullScreen,location"));
        QVERIFY(f.clickUntil(0, {40, 25}, [&] { return f.requests.count("/opened") == 1; }));
        QCOMPARE(f.tabs()->current(), kServicesTab);
        QTRY_COMPARE(f.webView(kServicesTab)->url().toString(), f.address("/opened"));
        QCOMPARE(f.requests.filter("/popup"), QStringList());

        // The window's keys reach it while a text field of the page has the focus.
        f.tabs()->setCurrent(0);
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.webView(0)->setFocus();
        f.evaluate(0, "box.focus()");
        QTRY_COMPARE(f.evaluate(0, "document.activeElement.id").toString(), QString("box"));
        QTest::keyClick(f.input(0), Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(f.requests.count("/page.html"), 2, 15000);
        QTRY_COMPARE(f.evaluate(0, "document.activeElement.id").toString(), QString("box"));
        QTest::keyClick(f.input(0), Qt::Key_Left, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(f.webView(0)->url().isLocalFile(), 15000);
    }
};

QTEST_MAIN(RealPagesWebTest)
#include "RealPagesWebTest.moc"
