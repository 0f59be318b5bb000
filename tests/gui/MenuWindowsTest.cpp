#include "MainWindowFixture.h"
#include "StandInPushServer.h"
#include "WidgetNamed.h"

#include "about/AboutDialog.h"
#include "app/AlertPush.h"
#include "app/ConditionDialog.h"
#include "app/PushDialog.h"
#include "app/WatchedItemsWindow.h"
#include "platform/PushSender.h"
#include "platform/TabStrip.h"
#include "search/SearchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList column(QTreeWidget *rows, int column)
{
    QStringList texts;
    for (int i = 0; i < rows->topLevelItemCount(); ++i)
        texts << rows->topLevelItem(i)->text(column);
    return texts;
}

} // namespace

// The windows the menus open: the overview of the watched items (soonest end first, following the
// tabs as they change, a row bringing its tab forward), the about box and the search form.
class MenuWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void theOverviewFollowsTheTabsSoonestEndFirstAndAClickedRowBringsItsTabForward()
    {
        MainWindowFixture f({"111", "222", "333"});
        f.elements(0)->choose(kTimeLeftEntry, "#left", "50m 0s");
        f.elements(2)->choose(kTimeLeftEntry, "#left", "40m 0s");
        f.elements(1)->choose(kAlertEntry, "#price", "US $1.00");
        f.elements(1)->load({{"#price", "US $2.00"}}); // a change while tab 2 is in front
        QAction *entry = f.menuEntry("&Watched Items");
        entry->trigger();
        entry->trigger();
        QCOMPARE(openWindows<WatchedItemsWindow>().size(), 1);
        QTreeWidget *rows = openWindows<WatchedItemsWindow>()[0]->rows();
        QCOMPARE(column(rows, 0), QStringList({"333", "111", "222"}));
        QCOMPARE(column(rows, 5), QStringList({"live", "live", "changed"}));
        // A row's menu asks when a followed element of its tab alerts, as the page's menu does.
        emit rows->customContextMenuRequested(rows->visualItemRect(rows->topLevelItem(2)).center());
        QMenu *menu = openWindows<QMenu>().value(0);
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions()[0]->text(), QString("Alert me when 'US $2.00'..."));
        menu->actions()[0]->trigger();
        ConditionDialog *dialog = openWindows<ConditionDialog>().value(0);
        QVERIFY(dialog);
        QCOMPARE(widgetNamed<QLabel>(dialog, "conditionShown")->text(), QString("US $2.00"));
        dialog->close();

        // The chosen row stays with its tab as the rows change order, and chooses no tab by it.
        rows->setCurrentItem(rows->topLevelItem(1));
        f.elements(0)->load({{"#left", "30m 0s"}});
        f.watch("444");
        QTRY_COMPARE(column(rows, 0), QStringList({"111", "333", "222", "444"}));
        QCOMPARE(rows->currentItem()->text(0), QString("111"));
        QCOMPARE(f.tabs()->current(), 3);

        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->topLevelItem(2)).center());
        QCOMPARE(f.tabs()->current(), 1);
        QVERIFY(f.window->isVisible());
        f.window->close();
        QTRY_VERIFY(openWindows<WatchedItemsWindow>().isEmpty());
    }

    // One box at a time; its links go to the desktop quietly, and the system
    // information button speaks only when the tool did not start.
    void oneBoxAtATimeWhoseLinksOpenTheMakersPages()
    {
        MainWindowFixture f;
        f.registry.setValue(sysInfoToolKey(), "PATH", Registry::TextType, QByteArray("/opt/msinfo", 12));
        f.window->showAbout();
        f.window->showAbout();
        QCOMPARE(openWindows<AboutDialog>().size(), 1);
        AboutDialog *box = openWindows<AboutDialog>()[0];
        for (bool starts : {true, false}) {
            f.shell.works = starts;
            for (const char *button : {"mailingListButton", "makerButton", "systemInfoButton"})
                QTest::mouseClick(widgetNamed<QPushButton>(box, button), Qt::LeftButton);
        }
        const QString maker = SiteConfig().makerSite;
        const QStringList clicks = {"open " + maker + "/Pages/ListBot.html", "open " + maker, "start /opt/msinfo"};
        QCOMPARE(f.shell.calls, clicks + clicks);
        QCOMPARE(f.messages.shown, QStringList{"System Information Is Unavailable At This Time"});
        QVERIFY(!QtShell().startProgram("/no/such/folder/msinfo32"));
    }

    // The push settings are kept as tested only for the address a test arrived at.
    void pushSettingsCountAsTestedOnlyWhereATestArrived()
    {
        MainWindowFixture f;
        StandInPushServer server;
        const auto openBox = [&f] {
            f.menuEntry("&Push to the Phone...")->trigger();
            return openWindows<PushDialog>().value(0);
        };
        PushDialog *box = openBox();
        QVERIFY(box);
        widgetNamed<QLineEdit>(box, "pushAddress")->setText(server.address("/penny"));
        widgetNamed<QCheckBox>(box, "outbid")->setChecked(true);
        QTest::mouseClick(widgetNamed<QPushButton>(box, "sendTest"), Qt::LeftButton);
        QTRY_COMPARE(widgetNamed<QLabel>(box, "pushStatus")->text(), QString("The test arrived."));
        QCOMPARE(server.requests.size(), 1);
        box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
        const PushSettings tested{PushSettings::Kind::Topic, server.address("/penny"), {}, {"outbid"}, true};
        QCOMPARE(f.settings.pushSettings, tested);

        box = openBox();
        QTRY_VERIFY(box);
        widgetNamed<QLineEdit>(box, "pushAddress")->setText(server.address("/other"));
        box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
        QVERIFY(!f.settings.pushSettings.tested);
        QCOMPARE(f.watchTabs()->push()->sender()->settings(), f.settings.pushSettings);
    }

    // Every field but the country away from its initial text, so the address shows where each goes.
    void searchAsksForTheAddressOfTheFieldsAndCloses()
    {
        QPointer<SearchDialog> d = new SearchDialog(SiteConfig());
        QSignalSpy sent(d.data(), &SearchDialog::searchRequested);
        d->show();
        widgetNamed<QLineEdit>(d, "titleBox")->setText("red car");
        widgetNamed<QComboBox>(d, "wordCombinationBox")->setCurrentText("Exact Phrase");
        widgetNamed<QLineEdit>(d, "excludedWordsBox")->setText("toy");
        widgetNamed<QComboBox>(d, "categoryBox")->setCurrentText("Stamps");
        widgetNamed<QComboBox>(d, "currencyBox")->setCurrentText("Pound Sterling");
        widgetNamed<QLineEdit>(d, "lowestPriceBox")->setText("5");
        widgetNamed<QLineEdit>(d, "highestPriceBox")->setText("9");
        widgetNamed<QComboBox>(d, "sortOrderBox")->setCurrentText("Highest prices first");
        widgetNamed<QComboBox>(d, "resultViewBox")->setCurrentText("Gallery items only");
        QTest::mouseClick(widgetNamed<QPushButton>(d, "searchButton"), Qt::LeftButton);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0][0].toString(),
                 "http://search.ebay.com/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29"
                 "&query2=red car&search_option=3&exclude=toy&category0=260&ebaytag1=ebayctry&ebaytag1code=0"
                 "&ebaycurr=3&minPrice=5&maxPrice=9&SortProperty=MetaHighestPriceSort&st=1");
        QTRY_VERIFY(d.isNull());
    }

    // Choice texts count as they stand: Enter and leaving a box neither complete, fold letter case
    // nor pick another entry, and Enter in a choice box searches like Enter anywhere else.
    void choiceBoxesKeepTheirTextsExactlyAndEnterInOneSearches()
    {
        QPointer<SearchDialog> d = new SearchDialog(SiteConfig());
        QSignalSpy sent(d.data(), &SearchDialog::searchRequested);
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d.data()));
        for (const char *name : {"categoryBox", "countryBox"}) {
            auto *box = widgetNamed<QComboBox>(d, name);
            box->setFocus(Qt::TabFocusReason);
            box->lineEdit()->clear();
            QTest::keyClicks(box, box->objectName() == "categoryBox" ? "stamps" : "united states");
        }
        auto *resultViewBox = widgetNamed<QComboBox>(d, "resultViewBox");
        resultViewBox->setFocus(Qt::TabFocusReason);
        QTest::keyClick(resultViewBox, Qt::Key_Return);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0][0].toString(),
                 "http://search.ebay.co.uk/search/search.dll?MfcISAPICommand=GetResult&query=&query2=&search_option=1"
                 "&exclude=&category0=&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999&minPrice=&maxPrice="
                 "&SortProperty=MetaEndSort&st=2");
    }
};

QTEST_MAIN(MenuWindowsTest)
#include "MenuWindowsTest.moc"
