#include "MainWindowFixture.h"

#include "app/core/LocalPages.h"
#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QtTest>

class WatchTabsTest : public QObject
{
    Q_OBJECT

private:
    static void setRate(MainWindowFixture &f, const QString &rate) { f.window->cmbRefresh->setCurrentText(rate); }
    static void fillAll(MainWindowFixture &f)
    {
        for (int i = 0; i < 5; ++i)
            f.watch(QString::number(100 + i));
    }

private slots:
    void watchFillsTheLowestFreeTab()
    {
        MainWindowFixture f;
        f.watch("111");
        f.watch("222");
        f.watch("333");
        f.window->SSTab1->setTab(1);
        f.window->release_current_tab();
        f.watch("444");

        TabStrip *tabs = f.window->SSTab1;
        QCOMPARE(tabs->TabCaption(0), QString("Item 111"));
        QCOMPARE(tabs->TabCaption(1), QString("Item 444"));
        QCOMPARE(tabs->TabCaption(2), QString("Item 333"));
        QCOMPARE(tabs->TabCaption(3), QString("Available"));
        QCOMPARE(tabs->Tab(), 1);
        QCOMPARE(f.view(1)->calls.last(), QString("Navigate http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=444"));
        QVERIFY(f.messages.shown.isEmpty());
    }

    void emptyNumberStillFillsATab()
    {
        MainWindowFixture f;
        f.watch("");
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Item "));
        QVERIFY(f.view(0)->calls.last().endsWith("item="));
    }

    void fullSetShowsTheMessageAndChangesNoTab()
    {
        MainWindowFixture f;
        fillAll(f);
        f.window->SSTab1->setTab(2);
        f.window->txtItem->setText("999");
        f.window->cmdOk_Click();

        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown[0].text, QString("There are no available watch windows left.   "));
        QCOMPARE(f.messages.shown[0].title, QString("Gavrin"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::Information);
        QCOMPARE(f.window->SSTab1->Tab(), 2);
        QCOMPARE(f.window->txtItem->text(), QString("999"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(f.window->SSTab1->TabCaption(i), QString("Item %1").arg(100 + i));
            QVERIFY(!f.view(i)->calls.last().contains("999"));
        }
    }

    void fullSetStillAppliesTheRateTimerChanges()
    {
        MainWindowFixture f;
        fillAll(f);
        setRate(f, "5 Minutes");
        f.window->cmdOk_Click();
        QVERIFY(f.window->Timer6->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!f.window->tabTimer(i)->isEnabled());

        setRate(f, "No Refresh");
        f.window->cmdOk_Click();
        QVERIFY(!f.window->Timer6->isEnabled());
        QCOMPARE(f.messages.shown.size(), 2);
    }

    void watchArmsTheTabTimerAtTheRate_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("countdown");
        QTest::newRow("1 Minute") << "1 Minute" << 60000 << false;
        QTest::newRow("45 Seconds") << "45 Seconds" << 45000 << false;
        QTest::newRow("15 Seconds") << "15 Seconds" << 15000 << false;
        QTest::newRow("5 Minutes") << "5 Minutes" << 0 << true;
        QTest::newRow("No Refresh") << "No Refresh" << 0 << false;
        QTest::newRow("typed text") << "2 Minutes" << 0 << false;
    }
    void watchArmsTheTabTimerAtTheRate()
    {
        QFETCH(QString, rate);
        QFETCH(int, period);
        QFETCH(bool, countdown);
        MainWindowFixture f;
        setRate(f, rate);
        f.watch("1");
        IntervalTimer *timer = f.window->tabTimer(0);
        QVERIFY(timer->isEnabled());
        QCOMPARE(timer->interval(), period);
        QCOMPARE(timer->isRunning(), period > 0);
        QCOMPARE(f.window->Timer6->isEnabled(), countdown);
    }

    void noRefreshStopsTheOtherTabsToo()
    {
        MainWindowFixture f;
        f.watch("1");
        setRate(f, "5 Minutes");
        f.watch("2");
        QVERIFY(f.window->Timer6->isEnabled());
        QVERIFY(!f.window->tabTimer(0)->isEnabled());
        setRate(f, "1 Minute");
        f.watch("3");
        setRate(f, "No Refresh");
        f.watch("4");
        QVERIFY(!f.window->Timer6->isEnabled());
        QVERIFY(!f.window->tabTimer(2)->isEnabled());
        QVERIFY(f.window->tabTimer(3)->isEnabled());
        QCOMPARE(f.window->tabTimer(3)->interval(), 0);
    }

    void releaseGivesTheFrontTabBack()
    {
        MainWindowFixture f;
        f.watch("1");
        f.window->Command1_Click();
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Available"));
        QVERIFY(!f.window->tabTimer(0)->isEnabled());
        QCOMPARE(f.window->tabTimer(0)->interval(), 60000);
        QVERIFY(f.view(0)->calls.contains("Navigate " + f.pagePath(blankPageName())));
        QCOMPARE(f.window->SSTab1->Tab(), 0);
    }

    void releaseOnTheServicesTabChangesNothing()
    {
        MainWindowFixture f;
        f.watch("1");
        f.window->SSTab1->setTab(5);
        f.window->mnuStop_Click();
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Item 1"));
        QCOMPARE(f.window->SSTab1->TabCaption(5), QString(" Help/Services "));
        QVERIFY(f.window->tabTimer(0)->isEnabled());
        QVERIFY(f.view(5)->calls.isEmpty());
    }

    void enterWatchesAndOtherKeysOnlyEdit()
    {
        MainWindowFixture f;
        f.window->show();
        f.window->txtItem->setFocus();
        QTest::keyClicks(f.window->txtItem, "12a");
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Available"));
        QTest::keyClick(f.window->txtItem, Qt::Key_Return);
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Item 12a"));
        QCOMPARE(f.window->txtItem->text(), QString("12a"));
    }

    void clickSelectsTheWholeNumber()
    {
        MainWindowFixture f;
        f.window->show();
        f.window->txtItem->setText("12345");
        QTest::mouseClick(f.window->txtItem, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(f.window->txtItem->selectedText(), QString("12345"));
    }

    void captionsKeepAmpersandsAndBlanks()
    {
        MainWindowFixture f;
        f.watch(" A&B ");
        QCOMPARE(f.window->SSTab1->TabCaption(0), QString("Item  A&B "));
    }
};

QTEST_MAIN(WatchTabsTest)
#include "WatchTabsTest.moc"
