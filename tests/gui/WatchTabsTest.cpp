#include "MainWindowFixture.h"

#include "app/core/LocalPages.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"

#include <QtTest>

class WatchTabsTest : public QObject
{
    Q_OBJECT

private slots:
    void watchFillsTheLowestFreeTabAndReleaseGivesTheFrontOneBack()
    {
        MainWindowFixture f;
        f.watch("111");
        f.watch("");
        f.watch(" A&B ");
        f.window->tabs()->setCurrent(1);
        f.window->releaseTab();
        QCOMPARE(f.window->tabs()->caption(1), QString("Available"));
        QVERIFY(!f.window->watchTab(1)->reloadTimer()->isEnabled());
        QVERIFY(f.view(1)->calls.contains("open " + f.pagePath(blankPageName())));

        f.window->tabs()->setCurrent(5);
        f.window->releaseTab();   // the services tab is never given back
        QCOMPARE(f.window->tabs()->caption(5), QString(" Help/Services "));

        f.watch("444");
        TabStrip *tabs = f.window->tabs();
        QCOMPARE(tabs->caption(0), QString("Item 111"));
        QCOMPARE(tabs->caption(1), QString("Item 444"));
        QCOMPARE(tabs->caption(2), QString("Item  A&B "));
        QCOMPARE(tabs->caption(3), QString("Available"));
        QCOMPARE(tabs->current(), 1);
        QCOMPARE(f.view(1)->shown(), QString("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=444"));
        QVERIFY(f.messages.shown.isEmpty());
    }

    void fullSetShowsTheMessageButStillAppliesTheRate()
    {
        MainWindowFixture f;
        for (int i = 0; i < 5; ++i)
            f.watch(QString::number(100 + i));
        f.window->tabs()->setCurrent(2);
        f.window->rateBox()->setCurrentText("5 Minutes");
        f.watch("999");

        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown[0].text, QString("There are no available watch windows left.   "));
        QCOMPARE(f.messages.shown[0].title, QString("Gavrin"));
        QCOMPARE(f.messages.shown[0].icon, MessageDialog::Icon::Information);
        QCOMPARE(f.window->tabs()->current(), 2);
        QCOMPARE(f.window->itemBox()->text(), QString("999"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(f.window->tabs()->caption(i), QString("Item %1").arg(100 + i));
            QVERIFY(!f.window->watchTab(i)->reloadTimer()->isEnabled());
        }
        QVERIFY(f.window->fiveMinuteCountdown()->isEnabled());
    }

    void watchArmsTheTabTimerAtTheRate_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("countdown");
        QTest::newRow("1 Minute") << "1 Minute" << 60000 << false;
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
        f.window->rateBox()->setCurrentText(rate);
        f.watch("1");
        IntervalTimer *timer = f.window->watchTab(0)->reloadTimer();
        QVERIFY(timer->isEnabled());
        QCOMPARE(timer->interval(), period);
        QCOMPARE(timer->isRunning(), period > 0);
        QCOMPARE(f.window->fiveMinuteCountdown()->isEnabled(), countdown);
    }

    void enterWatchesOtherKeysOnlyEditAndAClickSelectsTheNumber()
    {
        MainWindowFixture f;
        f.window->show();
        f.window->itemBox()->setFocus();
        QTest::keyClicks(f.window->itemBox(), "12a");
        QCOMPARE(f.window->tabs()->caption(0), QString("Available"));
        QTest::keyClick(f.window->itemBox(), Qt::Key_Return);
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 12a"));
        QCOMPARE(f.window->itemBox()->text(), QString("12a"));
        QTest::mouseClick(f.window->itemBox(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(f.window->itemBox()->selectedText(), QString("12a"));
    }
};

QTEST_MAIN(WatchTabsTest)
#include "WatchTabsTest.moc"
