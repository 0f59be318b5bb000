#include "MainWindowFixture.h"
#include "OpenWindows.h"

#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"
#include "app/ItemBox.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"
#include "platform/core/Contrast.h"
#include "saved/SavedItemsDialog.h"
#include "search/SearchDialog.h"

#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QMenuBar>
#include <QSet>
#include <QtTest>

class BrowsingTest : public QObject
{
    Q_OBJECT

private slots:
    void backAndForwardSayWhenThereIsNoPageThatWay()
    {
        MainWindowFixture f;
        f.window->start();
        f.window->goBack();
        f.window->goForward();
        QCOMPARE(f.messages.shown.size(), 2);
        QCOMPARE(f.messages.shown[0].text, QString("There are no more pages back   "));
        QCOMPARE(f.messages.shown[0].title, QString("First Page"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::Information);
        QCOMPARE(f.messages.shown[1].text, QString("There are no more pages forward   "));
        QCOMPARE(f.messages.shown[1].title, QString("Last Page"));

        f.window->openSitePage(SitePage::MyEbay);
        f.window->openSitePage(SitePage::Sell);
        f.window->goBack();
        QCOMPARE(f.messages.shown.size(), 2);
        QVERIFY(f.view(5)->shown().endsWith("MyEbayLogin"));
    }

    void homePageKeepsTheCaptionAndTimerOfAWatchedTab()
    {
        MainWindowFixture f;
        f.watch("42");
        f.window->openHomePage();
        QCOMPARE(f.view(0)->shown(), QString("http://www.ebay.com/"));
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 42"));
        QVERIFY(f.window->watchTab(0)->reloadTimer()->isRunning());
        f.window->reloadTab();
        QCOMPARE(f.view(0)->calls.last(), QString("reload"));
        QVERIFY(f.messages.asked.isEmpty());
    }

    void refreshAsksBeforeAFormIsSentAgain()
    {
        MainWindowFixture f;
        f.watch("42");
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

    void sitePageShowsTheWaitingCaptionUntilADocumentCompletes()
    {
        MainWindowFixture f;
        f.window->tabs()->setCurrent(2);
        f.window->openSitePage(SitePage::MyEbay);
        QCOMPARE(f.window->tabs()->current(), 5);
        QCOMPARE(f.window->tabs()->caption(5), QString("Loading...Please Wait"));
        QCOMPARE(f.view(5)->shown(), QString("http://signin.ebay.com/aw-cgi/eBayISAPI.dll?MyEbayLogin"));
        f.view(5)->completeDocument();
        QCOMPARE(f.window->tabs()->caption(5), QString(" Help/Services "));

        // A frame's document counts as well, before the whole page has loaded.
        f.window->openSitePage(SitePage::Sell);
        f.view(5)->completeFrame();
        QCOMPARE(f.window->tabs()->caption(5), QString(" Help/Services "));
        // Frames of the watch views are not listened to.
        f.window->openSitePage(SitePage::Sell);
        f.view(0)->completeFrame();
        QCOMPARE(f.window->tabs()->caption(5), QString("Loading...Please Wait"));
    }

    // The program has one window: a page asked for in a new one opens in the
    // services tab, which comes to the front; the asking tab keeps its page.
    void aNewWindowsPageOpensInTheServicesTab()
    {
        MainWindowFixture f;
        f.watch("42");
        const QString itemPage = f.view(0)->shown();
        f.view(0)->requestNewPage("http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item=42");
        QCOMPARE(f.window->tabs()->current(), 5);
        QCOMPARE(f.view(5)->shown(), QString("http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item=42"));
        QCOMPARE(f.view(0)->shown(), itemPage);
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 42"));
        f.view(5)->requestNewPage("http://pages.ebay.com/help/");
        QCOMPARE(f.view(5)->shown(), QString("http://pages.ebay.com/help/"));
    }

    void helpContentsAndAddressRowLeaveTheCaption()
    {
        MainWindowFixture f;
        f.window->openSitePage(SitePage::MakerSite);
        f.window->openHelp();
        QVERIFY(f.view(5)->shown().endsWith("gavrinhelp.htm"));
        f.window->addressBox()->setText("  example.test/x ");
        f.window->visitAddress();
        QCOMPARE(f.view(5)->shown(), QString("  example.test/x "));
        f.window->addressBox()->clear();
        f.window->visitAddress();
        QCOMPARE(f.view(5)->calls.last(), QString("open "));
        QCOMPARE(f.window->tabs()->caption(5), QString("Loading...Please Wait"));
    }

    void enterUrlBringsTheAddressRowWithItsText()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->addressBox()->setText("old.test");
        f.window->tabs()->setCurrent(1);
        QVERIFY(!f.window->addressBox()->isVisible());
        f.window->enterAddress();
        QCOMPARE(f.window->tabs()->current(), 5);
        QVERIFY(f.window->addressBox()->isVisible());
        QTRY_VERIFY(f.window->addressBox()->hasFocus());
        QCOMPARE(f.window->addressBox()->text(), QString("old.test"));
        QTest::mouseClick(f.window->addressBox(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(f.window->addressBox()->selectedText(), QString("old.test"));
    }

    // Sent to whatever has the focus: a page, then the item box, whose own keys must not eat them.
    void standardKeysWorkFromThePageAndTheItemBox()
    {
        MainWindowFixture f;
        f.window->start();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.watch("42");
        f.view(0)->setFocus();
        auto press = [](QKeyCombination key) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        };
        f.view(0)->calls.clear();
        for (const QKeyCombination key : {QKeyCombination(Qt::Key_F5), Qt::CTRL | Qt::Key_R, Qt::ALT | Qt::Key_Left,
                                          Qt::ALT | Qt::Key_Right})
            press(key);
        QCOMPARE(f.view(0)->calls, (QStringList{"reload", "reload", "back", "forward"}));

        press(Qt::CTRL | Qt::Key_L);
        QCOMPARE(QApplication::focusWidget(), f.window->itemBox());
        QCOMPARE(f.window->itemBox()->selectedText(), QString("42"));
        const QList<QPair<QKeyCombination, int>> steps = {
            {Qt::CTRL | Qt::Key_Tab, 1},       {Qt::CTRL | Qt::Key_PageDown, 2}, {Qt::CTRL | Qt::Key_PageUp, 1},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 0}, {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, 5},
            {Qt::CTRL | Qt::Key_Tab, 0}};
        for (const auto &[key, tab] : steps) {
            press(key);
            QCOMPARE(f.window->tabs()->current(), tab);
        }
        press(Qt::CTRL | Qt::Key_F);
        QCOMPARE(openWindows<SearchDialog>().size(), 1);
    }

    // An item page address pasted or dropped gives its number; other text is pasted as typed.
    void aPastedOrDroppedItemAddressGivesItsNumber()
    {
        MainWindowFixture f;
        f.window->start();
        ItemBox *box = f.window->itemBox();
        QGuiApplication::clipboard()->setText("https://www.ebay.com/itm/some-title/123456?hash=x");
        box->setText("9");
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), QString("123456"));
        QGuiApplication::clipboard()->setText("77 not a link");
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), QString("12345677 not a link"));

        QMimeData link;
        link.setText("http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewItem&item=42");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &link, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &link, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
        QCOMPARE(box->text(), QString("42"));
    }

    // The window is made under the light palette, then the theme turns dark under it.
    void labelsReadOnALightAndADarkPalette()
    {
        MainWindowFixture f;
        auto labels = [&f] {
            QList<QLabel *> found;
            for (QLabel *label : f.window->findChildren<QLabel *>())
                if (label->text() == "Item #" || label->text() == "Address")
                    found << label;
            f.window->showSavedItems();
            for (QLabel *label : f.window->savedItemsDialog()->findChildren<QLabel *>())
                found << label;
            return found;
        };
        QCOMPARE(labels().size(), 4);
        for (QLabel *label : labels())
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 192));

        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(49, 54, 59));
        dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
        QApplication::setPalette(dark);
        for (QLabel *label : labels()) {
            auto rgb = [](const QColor &c) { return Rgb{c.red(), c.green(), c.blue()}; };
            const double contrast = contrastRatio(rgb(label->palette().color(QPalette::WindowText)),
                                                  rgb(label->parentWidget()->palette().color(QPalette::Window)));
            QVERIFY2(contrast >= 4.5, qPrintable(label->text() + ": " + QString::number(contrast)));
        }
        QApplication::setPalette(light);
    }

    void menuBarHoldsTheEntriesInOrder()
    {
        MainWindowFixture f;
        QStringList captions;
        for (QAction *menu : f.window->menuBar()->actions()) {
            captions << menu->text();
            // Entries we added must not share a key with another: a shared key only highlights in turn.
            QSet<QChar> keys;
            const bool ownKeys = menu->text() == "&File" || menu->text() == "&Navigate";
            for (QAction *entry : menu->menu()->actions()) {
                const qsizetype amp = entry->text().indexOf('&');
                if (ownKeys && amp >= 0) {
                    const QChar key = entry->text().at(amp + 1).toLower();
                    QVERIFY2(!keys.contains(key), qPrintable(entry->text()));
                    keys.insert(key);
                }
                captions << (entry->isSeparator() ? QString("-") : entry->text());
                QVERIFY(entry->shortcut().isEmpty());
                if (entry->menu()) {
                    for (QAction *sub : entry->menu()->actions())
                        captions << ">" + sub->text();
                }
            }
        }
        QCOMPARE(captions, QStringList({"&File", "&Open Saved Item", "&Save Current Item",
                                        "&Reopen Watched Items at Start", "-", "&Close Program",
                                        "&Navigate", "Go &Back", "&Go Forward", "&Stop Current Tab",
                                        "&Refresh Current Tab", "&eBay Home Page", "E&nter Url", "&Watched Items", "-",
                                        "Ending Soon Warn&ing", ">&2 Minutes", ">&5 Minutes", ">&10 Minutes",
                                        ">&30 Minutes", "&Services",
                                        "&My eBay", "&Sell an Item", "Make &Credit Card Payment",
                                        "&Post Non-Paying Bidder Alert", "Mes&sage Board", "-",
                                        "Search for an &Item", "-", "Specific Search", ">&By Seller",
                                        ">B&y Bidder", ">By &Completed Items", ">&International Search",
                                        "&Help", "&Contents", "&About", "&Belvax Web Site"}));
    }

    void stripAndViewsFollowTheWindowButNotWhileMinimised()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget *client = f.window->centralWidget();
        QTRY_COMPARE(f.window->topBar()->width(), client->width());
        const QSize strip = f.window->tabs()->size();
        const QSize view = f.view(0)->size();
        QCOMPARE(f.window->tabs()->geometry().bottom() + 1, client->height());

        f.window->resize(f.window->width() + 200, f.window->height() + 100);
        QTRY_COMPARE(f.window->tabs()->width(), strip.width() + 200);
        QCOMPARE(f.window->tabs()->height(), strip.height() + 100);
        QCOMPARE(f.view(0)->size(), view + QSize(200, 100));
        QCOMPARE(f.view(5)->width(), f.view(0)->width());
        // The services view starts 400 twips lower, below the address row.
        QVERIFY(qAbs(f.view(0)->height() - f.view(5)->height() - twipsToPixelsY(f.window.get(), 400)) <= 1);
        QCOMPARE(f.window->lowerBar()->width(), client->width());
        QCOMPARE(f.window->itemBox()->pos(),
                 QPoint(twipsToPixelsX(f.window.get(), 4690), twipsToPixelsY(f.window.get(), 157)));
    }
};

QTEST_MAIN(BrowsingTest)
#include "BrowsingTest.moc"
