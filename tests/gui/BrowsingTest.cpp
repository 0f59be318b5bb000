#include "MainWindowFixture.h"

#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>
#include <QMenuBar>
#include <QtTest>

class BrowsingTest : public QObject
{
    Q_OBJECT

private slots:
    void backAndForwardSayWhenThereIsNoPageThatWay()
    {
        MainWindowFixture f;
        f.window->Form_Load();
        f.window->mnuBack_Click();
        f.window->Command3_Click();
        QCOMPARE(f.messages.shown.size(), 2);
        QCOMPARE(f.messages.shown[0].text, QString("There are no more pages back   "));
        QCOMPARE(f.messages.shown[0].title, QString("First Page"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::Information);
        QCOMPARE(f.messages.shown[1].text, QString("There are no more pages forward   "));
        QCOMPARE(f.messages.shown[1].title, QString("Last Page"));

        f.window->mnuMy_Click();
        f.window->mnuSell_Click();
        f.window->Command2_Click();
        QCOMPARE(f.messages.shown.size(), 2);
        QVERIFY(f.view(5)->shown().endsWith("MyEbayLogin"));
    }

    void homePageKeepsTheCaptionAndTimerOfAWatchedTab()
    {
        MainWindowFixture f;
        f.watch("42");
        f.window->mnuHome_Click();
        QCOMPARE(f.view(0)->shown(), QString("http://www.ebay.com/"));
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Item 42"));
        QVERIFY(f.window->tabTimer(0)->isRunning());
        f.window->Command5_Click();
        QCOMPARE(f.view(0)->calls.last(), QString("Refresh"));
        QVERIFY(f.messages.asked.isEmpty());
    }

    void refreshAsksBeforeAFormIsSentAgain()
    {
        MainWindowFixture f;
        f.watch("42");
        f.view(0)->formAnswer = true;
        f.view(0)->calls.clear();
        f.window->mnuRefresh_Click();
        QCOMPARE(f.messages.asked.size(), 1);
        QCOMPARE(f.messages.asked[0].text, QString("This page was sent by a form. Send it again?"));
        QVERIFY(f.view(0)->calls.isEmpty());
        f.messages.answer = true;
        f.window->Command5_Click();
        QCOMPARE(f.view(0)->calls, QStringList{"ResendForm"});
    }

    void sitePageShowsTheWaitingCaptionUntilADocumentCompletes()
    {
        MainWindowFixture f;
        f.window->SSTab1->setTab(2);
        f.window->mnuMy_Click();
        QCOMPARE(f.window->SSTab1->Tab(), 5);
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString("Loading...Please Wait"));
        QCOMPARE(f.view(5)->shown(), QString("http://signin.ebay.com/aw-cgi/eBayISAPI.dll?MyEbayLogin"));
        f.view(5)->completeDocument();
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString(" Help/Services "));

        // A frame's document counts as well, before the whole page has loaded.
        f.window->mnuSell_Click();
        f.view(5)->completeFrame();
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString(" Help/Services "));
        // Frames of the watch views are not listened to.
        f.window->mnuSell_Click();
        f.view(0)->completeFrame();
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString("Loading...Please Wait"));
    }

    // The program has one window: a page asked for in a new one opens in the
    // services tab, which comes to the front; the asking tab keeps its page.
    void aNewWindowsPageOpensInTheServicesTab()
    {
        MainWindowFixture f;
        f.watch("42");
        const QString itemPage = f.view(0)->shown();
        f.view(0)->requestNewPage("http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item=42");
        QCOMPARE(f.window->SSTab1->Tab(), 5);
        QCOMPARE(f.view(5)->shown(), QString("http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewBids&item=42"));
        QCOMPARE(f.view(0)->shown(), itemPage);
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Item 42"));
        f.view(5)->requestNewPage("http://pages.ebay.com/help/");
        QCOMPARE(f.view(5)->shown(), QString("http://pages.ebay.com/help/"));
    }

    void helpContentsAndAddressRowLeaveTheCaption()
    {
        MainWindowFixture f;
        f.window->mnuBelvax_Click();
        f.window->mnuContents_Click();
        QVERIFY(f.view(5)->shown().endsWith("gavrinhelp.htm"));
        f.window->Text2->setText("  example.test/x ");
        f.window->Command11_Click();
        QCOMPARE(f.view(5)->shown(), QString("  example.test/x "));
        f.window->Text2->clear();
        f.window->Command11_Click();
        QCOMPARE(f.view(5)->calls.last(), QString("Navigate "));
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString("Loading...Please Wait"));
    }

    void enterUrlBringsTheAddressRowWithItsText()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->Text2->setText("old.test");
        f.window->SSTab1->setTab(1);
        QVERIFY(!f.window->Text2->isVisible());
        f.window->mnuEnter_Click();
        QCOMPARE(f.window->SSTab1->Tab(), 5);
        QVERIFY(f.window->Text2->isVisible());
        QTRY_VERIFY(f.window->Text2->hasFocus());
        QCOMPARE(f.window->Text2->text(), QString("old.test"));
        QTest::mouseClick(f.window->Text2, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(f.window->Text2->selectedText(), QString("old.test"));
    }

    void menuBarHoldsTheEntriesInOrder()
    {
        MainWindowFixture f;
        QStringList captions;
        for (QAction *menu : f.window->menuBar()->actions()) {
            captions << menu->text();
            for (QAction *entry : menu->menu()->actions()) {
                captions << (entry->isSeparator() ? QString("-") : entry->text());
                QVERIFY(entry->shortcut().isEmpty());
                if (entry->menu()) {
                    for (QAction *sub : entry->menu()->actions())
                        captions << ">" + sub->text();
                }
            }
        }
        QCOMPARE(captions, QStringList({"&File", "&Open Saved Item", "&Save Current Item", "&Close Program",
                                        "&Navigate", "Go &Back", "&Go Forward", "&Stop Current Tab",
                                        "&Refresh Current Tab", "&eBay Home Page", "E&nter Url", "&Services",
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
        QTRY_COMPARE(f.window->Label2->width(), client->width());
        const QSize strip = f.window->SSTab1->size();
        const QSize view = f.view(0)->size();
        QCOMPARE(f.window->SSTab1->geometry().bottom() + 1, client->height());

        f.window->resize(f.window->width() + 200, f.window->height() + 100);
        QTRY_COMPARE(f.window->SSTab1->width(), strip.width() + 200);
        QCOMPARE(f.window->SSTab1->height(), strip.height() + 100);
        QCOMPARE(f.view(0)->size(), view + QSize(200, 100));
        QCOMPARE(f.view(5)->width(), f.view(0)->width());
        // The services view starts 400 twips lower, below the address row.
        QVERIFY(qAbs(f.view(0)->height() - f.view(5)->height() - twipsToPixelsY(f.window.get(), 400)) <= 1);
        QCOMPARE(f.window->Label3->width(), client->width());
        QCOMPARE(f.window->txtItem->pos(),
                 QPoint(twipsToPixelsX(f.window.get(), 4690), twipsToPixelsY(f.window.get(), 157)));
    }
};

QTEST_MAIN(BrowsingTest)
#include "BrowsingTest.moc"
