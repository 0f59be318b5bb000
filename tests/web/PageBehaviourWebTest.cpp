#include "WebWindowFixture.h"

#include "app/core/LocalPages.h"
#include "platform/BrowserView.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "platform/web/Downloads.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

namespace {

constexpr int kServices = 5;

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QString address(WebWindowFixture &f, const QString &path)
{
    return QStringLiteral("http://") + f.server.host() + path;
}

void openAndWait(WebWindowFixture &f, int tab, const QString &path)
{
    QSignalSpy loaded(f.window->view(tab), &BrowserView::documentComplete);
    f.window->view(tab)->open(address(f, path));
    QTRY_VERIFY_WITH_TIMEOUT(loaded.size() >= 1, 15000);
}

// Clicks a point of a tab's page until the server is asked for path: a click
// that reaches the page before it takes input is lost.
bool clickUntilRequested(WebWindowFixture &f, int tab, QPoint at, const QString &path,
                         Qt::MouseButton button = Qt::LeftButton)
{
    const int before = f.server.requestCount(path);
    return QTest::qWaitFor([&] {
        QTest::mouseClick(f.webView(tab)->focusProxy(), button, {}, at);
        return QTest::qWaitFor([&] { return f.server.requestCount(path) > before; }, 1500);
    }, 15000);
}

} // namespace

// What pages may do in the views: frames, new windows, permissions, downloads
// and local files.
class PageBehaviourWebTest : public QObject
{
    Q_OBJECT

private slots:
    // The waiting caption comes back with the first frame that loads, though
    // another frame never answers and the page never finishes.
    void aQuickFrameEndsTheWaitingCaption()
    {
        WebWindowFixture f;
        f.server.setPage("/frames.html", "<!DOCTYPE html><html><body><h1>Sell an item</h1>"
                                         "<iframe src='/quick.html'></iframe><iframe src='/hang'></iframe>"
                                         "</body></html>");
        f.server.setPage("/quick.html", "<html><body>Listing fees</body></html>");
        f.server.setHanging("/hang");
        f.window->tabs()->setCaption(kServices, "Loading...Please Wait");
        f.window->view(kServices)->open(address(f, "/frames.html"));
        QTRY_COMPARE_WITH_TIMEOUT(f.window->tabs()->caption(kServices), QString(" Help/Services "), 15000);
        QVERIFY(f.server.requestCount("/hang") == 1);
        // The page's own scripts see nothing of the reporting.
        QCOMPARE(f.evaluate(kServices, "typeof QWebChannel + ' ' + typeof qt").toString(),
                 QString("undefined undefined"));
    }

    // Links and forms aimed at a new window, a middle click and the context
    // menu open their page in the services tab; windows a page opens by itself
    // are not opened.
    void newWindowsOpenInTheServicesTabOnlyWhenTheUserAsks()
    {
        WebWindowFixture f;
        f.server.setPage(f.itemPath("7").section('?', 0, 0),
                         "<!DOCTYPE html><html><body style='margin:0;font-size:30px'>"
                         "<a target='_blank' href='/opened?via=link' style='position:absolute;left:10px;top:10px'>"
                         "Bid history</a>"
                         "<form target='_blank' action='/opened' style='position:absolute;left:10px;top:100px'>"
                         "<input type='hidden' name='via' value='form'>"
                         "<input type='submit' value='Ask seller' style='font-size:30px'></form>"
                         "<a href='/opened?via=middle' style='position:absolute;left:10px;top:200px'>Shipping</a>"
                         "<script>window.open('/popup?when=load');"
                         "setTimeout(function () { window.open('/popup?when=timer'); }, 300);</script>"
                         "</body></html>");
        f.watch("7");
        QVERIFY(QTest::qWaitFor([&] { return f.server.requestCount(f.itemPath("7")) == 1; }, 15000));

        QVERIFY(clickUntilRequested(f, 0, {40, 25}, "/opened?via=link"));
        QCOMPARE(f.window->tabs()->current(), kServices);
        QTRY_COMPARE(f.webView(kServices)->url().toString(), address(f, "/opened?via=link"));

        f.window->tabs()->setCurrent(0);
        QVERIFY(clickUntilRequested(f, 0, {60, 120}, "/opened?via=form"));
        QCOMPARE(f.window->tabs()->current(), kServices);
        f.window->tabs()->setCurrent(0);
        QVERIFY(clickUntilRequested(f, 0, {40, 215}, "/opened?via=middle", Qt::MiddleButton));
        QCOMPARE(f.window->tabs()->current(), kServices);

        QCOMPARE(f.server.requestCount(f.itemPath("7")), 1);
        QCOMPARE(f.server.requestCount("/popup?when=load"), 0);
        QCOMPARE(f.server.requestCount("/popup?when=timer"), 0);

        // The context menu holds entries that do something here, and opening a
        // link in a new window from it shows the link in the services tab.
        f.window->tabs()->setCurrent(0);
        const auto menuAt = [&](QPoint at) {
            QMenu *menu = nullptr;
            const bool shown = QTest::qWaitFor([&] {
                QTest::mouseClick(f.webView(0)->focusProxy(), Qt::RightButton, {}, at);
                QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
                menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                return menu != nullptr;
            }, 10000);
            return shown ? menu : nullptr;
        };
        const auto entries = [](QMenu *menu) {
            QStringList texts;
            for (QAction *action : menu->actions())
                if (!action->isSeparator() && action->isVisible() && action->isEnabled())
                    texts << action->text();
            return texts;
        };
        const auto choose = [](QMenu *menu, const QString &text) {
            for (QAction *action : menu->actions())
                if (action->text() == text)
                    action->trigger();
            menu->close();
        };

        QMenu *onLink = menuAt({40, 25});
        QVERIFY(onLink);
        QCOMPARE(entries(onLink), QStringList({"Alert me when this changes", "This shows the time left", "Reload",
                                               "Save page", "Open link in new tab", "Open link in new window", "Save link",
                                               "Copy link address"}));
        choose(onLink, "Open link in new window");
        QTRY_COMPARE(f.server.requestCount("/opened?via=link"), 2);
        QCOMPARE(f.window->tabs()->current(), kServices);

        f.window->tabs()->setCurrent(0);
        QMenu *onText = menuAt({40, 400});
        QVERIFY(onText);
        QCOMPARE(entries(onText), QStringList({"Alert me when this changes", "This shows the time left", "Reload",
                                               "Save page", "View page source"}));
        choose(onText, "View page source");
        QTRY_COMPARE(f.webView(kServices)->url().toString(), "view-source:" + address(f, f.itemPath("7")));
        QCOMPARE(f.window->tabs()->current(), kServices);
    }

    // Every permission and full screen are refused at once, not left waiting.
    // The window's reload and back keys reach it while a text field of the page has the focus.
    void reloadAndBackKeysWorkWhileThePageHasTheFocus()
    {
        WebWindowFixture f;
        f.server.setPage("/first.html", "<html><body>First</body></html>");
        f.server.setPage("/second.html", "<html><body><input id=box autofocus></body></html>");
        f.window->tabs()->setCurrent(kServices);
        openAndWait(f, kServices, "/first.html");
        openAndWait(f, kServices, "/second.html");
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.webView(kServices)->setFocus();
        QTRY_COMPARE(f.evaluate(kServices, "document.activeElement.id").toString(), QString("box"));

        const int before = f.server.requestCount("/second.html");
        QTest::keyClick(f.webView(kServices)->focusProxy(), Qt::Key_F5);
        QTRY_VERIFY_WITH_TIMEOUT(f.server.requestCount("/second.html") > before, 15000);
        QTest::keyClick(f.webView(kServices)->focusProxy(), Qt::Key_Left, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(f.webView(kServices)->url().path() == "/first.html", 15000);
    }

    void permissionsAndFullScreenAreRefusedAtOnce()
    {
        WebWindowFixture f;
        f.server.setPage("/asks.html", R"(<!DOCTYPE html><html><body style='margin:0;height:600px'><script>
var results = {};
function refused(key) { return function (e) { results[key] = 'refused ' + (e && e.name); }; }
function granted(key) { return function () { results[key] = 'granted'; }; }
Notification.requestPermission().then(function (answer) { results.notifications = answer; });
navigator.geolocation.getCurrentPosition(granted('location'), refused('location'));
navigator.mediaDevices.getUserMedia({video: true}).then(granted('camera'), refused('camera'));
navigator.mediaDevices.getUserMedia({audio: true}).then(granted('microphone'), refused('microphone'));
document.body.onclick = function () {
  navigator.mediaDevices.getDisplayMedia({video: true}).then(granted('screen'), refused('screen'));
  document.documentElement.requestFullscreen().then(granted('fullScreen'), refused('fullScreen'));
};
</script></body></html>)");
        f.window->tabs()->setCurrent(kServices);
        openAndWait(f, kServices, "/asks.html");
        QVERIFY(QTest::qWaitFor([&] {
            QTest::mouseClick(f.webView(kServices)->focusProxy(), Qt::LeftButton, {}, {100, 100});
            return QTest::qWaitFor([&] { return f.evaluate(kServices, "'fullScreen' in results").toBool(); }, 1000);
        }, 10000));
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(kServices, "Object.keys(results).length").toInt(), 6, 5000);
        const QVariantMap results = f.evaluate(kServices, "results").toMap();
        QCOMPARE(results.value("notifications").toString(), QString("denied"));
        for (const char *key : {"location", "camera", "microphone", "screen", "fullScreen"})
            QVERIFY2(results.value(key).toString().startsWith("refused"), key);
        QVERIFY(!f.window->isFullScreen());
    }

    // A link saved, the page saved and a save that fails: each asks where,
    // offering the download folder, and says how it ended.
    void downloadsAskWhereAndSayHowTheyEnded()
    {
        WebWindowFixture f;
        QTemporaryDir saved;
        QStringList offered;
        QString chosen;
        new Downloads(&f.profile, [&](const QString &suggested) { offered << suggested; return chosen; },
                      &f.notifier);
        const QByteArray bids = "bidder,amount\nq***r,41.00\n";
        f.server.setPage("/bids.csv", bids);
        openAndWait(f, kServices, "/item.html");
        QWebEnginePage *page = f.webView(kServices)->page();

        chosen = saved.filePath("bids.csv");
        page->download(QUrl(address(f, "/bids.csv")), "bids.csv");
        QTRY_COMPARE_WITH_TIMEOUT(f.notifier.messages.size(), 1, 10000);
        QCOMPARE(offered.last(), QDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))
                                     .filePath("bids.csv"));
        QCOMPARE(f.notifier.messages.last(), "Saved " + QDir::toNativeSeparators(chosen));
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bids);

        chosen = saved.filePath("item.mhtml");
        page->triggerAction(QWebEnginePage::SavePage);
        QTRY_COMPARE_WITH_TIMEOUT(f.notifier.messages.size(), 2, 10000);
        QCOMPARE(f.notifier.messages.last(), "Saved " + QDir::toNativeSeparators(chosen));
        QVERIFY(QFileInfo(chosen).size() > 0);

        writeFile(saved.filePath("plain"), "a file, not a folder");
        chosen = saved.filePath("plain/bids.csv");
        page->download(QUrl(address(f, "/bids.csv")), "bids.csv");
        QTRY_COMPARE_WITH_TIMEOUT(f.notifier.messages.size(), 3, 10000);
        QVERIFY2(f.notifier.messages.last().startsWith("Could not save " + QDir::toNativeSeparators(chosen) + ": "),
                 qPrintable(f.notifier.messages.last()));

        chosen.clear();
        page->download(QUrl(address(f, "/bids.csv")), "declined.csv");
        QTRY_COMPARE(offered.size(), 4);
        QTest::qWait(500);
        QCOMPARE(f.notifier.messages.size(), 3);
    }

    // The local pages show; a local page cannot read another local file, and
    // a script typed as an address runs nowhere.
    void localPagesReadNoOtherFileAndScriptAddressesAreRefused()
    {
        WebWindowFixture f;
        for (const QString &name : {splashPageName(), blankPageName(), helpPageName()})
            QVERIFY(QFile::copy(QStringLiteral(GAVRIN_PAGES_DIR) + name, f.window->programFilePath(name)));
        f.window->start();
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(kServices, "document.title").toString(), QString("Gavrin Help"), 15000);
        QTRY_VERIFY(!f.evaluate(0, "document.body.innerText").toString().isEmpty());

        writeFile(f.folder.filePath("secret.txt"), "password=hunter2");
        writeFile(f.folder.filePath("reader.html"),
                  "<html><body><script>var r = new XMLHttpRequest();"
                  "try { r.open('GET', 'secret.txt', false); r.send(); document.title = 'read ' + r.responseText; }"
                  "catch (e) { document.title = 'refused'; }</script></body></html>");
        f.window->addressBox()->setText(f.folder.filePath("reader.html"));
        f.window->visitAddress();
        QTRY_COMPARE_WITH_TIMEOUT(f.evaluate(kServices, "document.title").toString(), QString("refused"), 15000);

        for (const char *script : {"javascript:document.title='typed'", " JavaScript:document.title='typed'"}) {
            f.window->addressBox()->setText(script);
            f.window->visitAddress();
        }
        f.window->view(kServices)->open("javascript:document.title='navigated'");
        QTest::qWait(1000);
        QCOMPARE(f.evaluate(kServices, "document.title").toString(), QString("refused"));
    }
};

QTEST_MAIN(PageBehaviourWebTest)
#include "PageBehaviourWebTest.moc"
