#include "MainWindowFixture.h"

#include "app/core/LocalPages.h"
#include "app/core/RefreshRates.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"
#include "app/ItemBox.h"

#include <QAbstractItemView>
#include <QtTest>

namespace {

void pick(MainWindowFixture &f, const QString &rate)
{
    f.window->rateBox()->setCurrentText(rate);
    f.window->applyPickedRate();
}

void tick(MainWindowFixture &f, int times)
{
    for (int i = 0; i < times; ++i)
        f.window->tickCountdown();
}

IntervalTimer *timer(MainWindowFixture &f, int tab)
{
    return f.window->watchTab(tab)->reloadTimer();
}

QString tooltip(MainWindowFixture &f, int tab)
{
    return f.window->tabs()->tabBar()->tabToolTip(tab);
}

} // namespace

// The watch tabs: watching and releasing, the refresh rate and the countdown,
// and what each header tells.
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
        QVERIFY(!timer(f, 1)->isEnabled());
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
        QCOMPARE(f.window->tabs()->caption(4), QString("Item 104"));
        for (int i = 0; i < 5; ++i)
            QVERIFY(!timer(f, i)->isEnabled());
        QVERIFY(f.window->fiveMinuteCountdown()->isEnabled());
    }

    void watchArmsTheTabTimerAtTheRate_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("countdown");
        QTest::newRow("15 Seconds") << "15 Seconds" << 15000 << false;
        QTest::newRow("5 Minutes") << "5 Minutes" << 0 << true;
    }
    void watchArmsTheTabTimerAtTheRate()
    {
        QFETCH(QString, rate);
        QFETCH(int, period);
        QFETCH(bool, countdown);
        MainWindowFixture f;
        f.window->rateBox()->setCurrentText(rate);
        f.watch("1");
        QVERIFY(timer(f, 0)->isEnabled());
        QCOMPARE(timer(f, 0)->interval(), period);
        QCOMPARE(timer(f, 0)->isRunning(), period > 0);
        QCOMPARE(f.window->fiveMinuteCountdown()->isEnabled(), countdown);
    }

    void enterWatchesOtherKeysOnlyEditAndAClickSelectsTheNumber()
    {
        MainWindowFixture f;
        f.window->show();
        TextBox *box = f.window->itemBox();
        box->setFocus();
        QTest::keyClicks(box, "12a");
        QCOMPARE(f.window->tabs()->caption(0), QString("Available"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 12a"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(box->selectedText(), QString("12a"));
    }

    void pickingARateRearmsOnlyWatchedTabsAndRestartsTheWait()
    {
        MainWindowFixture f;
        pick(f, "15 Seconds");   // nothing watched yet: no timer starts
        QVERIFY(!timer(f, 0)->isEnabled());
        f.watch("a");
        f.watch("b");
        f.watch("c");
        f.window->tabs()->setCurrent(1);
        f.window->releaseTab();
        // The two watched tabs reload half a period apart, then a period apart each.
        pick(f, "15 Seconds");
        QVERIFY(timer(f, 0)->remainingTime() <= 7500);
        QVERIFY(timer(f, 2)->remainingTime() > 7500);

        pick(f, "30 Seconds");
        for (int tab : {0, 2}) {
            QVERIFY(timer(f, tab)->isRunning());
            QCOMPARE(timer(f, tab)->interval(), 30000);
        }
        for (int tab : {1, 3, 4})
            QVERIFY(!timer(f, tab)->isEnabled());
        QCOMPARE(timer(f, 1)->interval(), 15000);
    }

    void fiveMinutesNoRefreshAndBackKeepTheCountdownApart()
    {
        MainWindowFixture f;
        f.watch("1");
        pick(f, "5 Minutes");
        QVERIFY(f.window->fiveMinuteCountdown()->isRunning());
        QVERIFY(!timer(f, 0)->isRunning());
        pick(f, "45 Seconds");   // the countdown keeps going beside the tab timers
        QVERIFY(f.window->fiveMinuteCountdown()->isRunning());
        QCOMPARE(timer(f, 0)->interval(), 45000);
        tick(f, 180);
        pick(f, "No Refresh");
        QVERIFY(!f.window->fiveMinuteCountdown()->isEnabled());
        QVERIFY(!timer(f, 0)->isRunning());
        pick(f, "1 Minute");
        QVERIFY(!f.window->fiveMinuteCountdown()->isEnabled());
        QVERIFY(timer(f, 0)->isRunning());
        pick(f, "5 Minutes");
        QCOMPARE(f.window->countdown(), QString("120"));
    }

    // Typing runs nothing and is kept as typed; the watch command reads it exactly. A pick from
    // the list runs at once.
    void aTypedRateWaitsForTheWatchCommandAndAPickRunsAtOnce()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.watch("1");
        QComboBox *box = f.window->rateBox();
        for (const QString &typed : {"15 seconds", "15 Seconds"}) {
            box->setFocus(Qt::TabFocusReason);
            box->lineEdit()->clear();
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
            f.window->itemBox()->setFocus();
            QCOMPARE(box->currentText(), typed);
            QCOMPARE(timer(f, 0)->interval(), 60000);
        }
        box->lineEdit()->setText("15 seconds");
        f.watch("2");
        QCOMPARE(timer(f, 1)->interval(), 0);

        box->setFocus(Qt::TabFocusReason);
        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(3, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(box->currentText(), QString("30 Seconds"));
        QCOMPARE(timer(f, 0)->interval(), 30000);
    }

    // The box is narrow: each rate must show whole where the box leaves it, not scrolled to its end.
    void theRateBoxShowsEveryRateWhole()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QLineEdit *edit = f.window->rateBox()->lineEdit();
        const auto caretX = [edit] {
            edit->grab();  // lays the text out as it is drawn
            return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        };
        for (const QString &rate : refreshRateTexts()) {
            f.window->rateBox()->setText(rate);
            const int shownEnd = caretX();
            edit->home(false);
            QCOMPARE(shownEnd - caretX(), edit->fontMetrics().horizontalAdvance(rate));
        }
    }

    void timersReloadTheirOwnViewAndTheCountdownTheFrontOne()
    {
        MainWindowFixture f;
        f.watch("1");
        f.watch("2");
        f.view(1)->calls.clear();
        pick(f, "30 Seconds");
        emit timer(f, 1)->timeout();
        QCOMPARE(f.view(1)->calls, QStringList{"reloadOnTimer"});
        // A page that answers a form is replaced by the item's own page.
        QCOMPARE(f.view(1)->timedReloads[0].formAnswerReplacement,
                 QString("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=2"));
        QCOMPARE(f.view(1)->timedReloads[0].periodMs, 30000);

        pick(f, "5 Minutes");
        f.window->tabs()->setCurrent(5);
        tick(f, 299);
        QVERIFY(f.view(5)->calls.isEmpty());
        tick(f, 1);
        QCOMPARE(f.view(5)->calls, QStringList{"reloadOnTimer"});
        QVERIFY(f.view(5)->timedReloads[0].formAnswerReplacement.isEmpty());
        QCOMPARE(f.view(5)->timedReloads[0].periodMs, 300000);
        QCOMPARE(f.window->countdown(), QString("300"));
        QVERIFY(!f.view(0)->calls.contains("reloadOnTimer"));
    }

    void headerFollowsThePickedRateAndTheRelease()
    {
        MainWindowFixture f;
        f.watch("1");
        QVERIFY(tooltip(f, 0).startsWith("Reloads every minute; next in "));
        QVERIFY(f.window->tabs()->tabBar()->tabProgress(0));
        QVERIFY(tooltip(f, 1).isEmpty());
        QVERIFY(!f.window->tabs()->tabBar()->tabProgress(1));
        pick(f, "30 Seconds");
        QCOMPARE(tooltip(f, 0), QString("Reloads every 30 seconds; next in 30 s"));
        f.window->releaseTab();
        QVERIFY(tooltip(f, 0).isEmpty());
        QVERIFY(!f.window->tabs()->tabBar()->tabProgress(0));
    }

    void aStaleTabSaysSoAndADialogOutOfSightMarksIt()
    {
        MainWindowFixture f;
        f.watch("1");
        f.watch("2");
        PageHealth health;
        health.pausedForTyping = true;
        f.view(0)->setHealth(health);
        QVERIFY(tooltip(f, 0).contains("\nPaused while you type into the page"));
        QCOMPARE(f.window->tabs()->tabBar()->tabTone(0), HealthTone::Held);
        QCOMPARE(f.window->tabs()->tabBar()->tabTone(1), HealthTone::Fine);

        f.view(0)->refuseDialog("You have been outbid");
        QVERIFY(f.window->tabs()->isTabMarked(0));
        f.view(1)->refuseDialog("In front: the view shows it");
        QVERIFY(!f.window->tabs()->isTabMarked(1));
    }

    void aTabSaysWhereItsPageIsAndKeepsALongNumberShort()
    {
        MainWindowFixture f;
        const QString number(10000, QChar('9'));
        f.watch(number);
        f.watch("2");
        QCOMPARE(f.window->tabs()->caption(0), "Item " + number);
        QVERIFY(f.window->tabs()->tabBar()->tabText(0).size() <= 24);
        QVERIFY(f.window->tabs()->tabBar()->tabRect(0).width() < f.window->width() / 3);
        QVERIFY(tooltip(f, 0).startsWith("Item " + number + "\nReloads every minute"));

        f.view(1)->showPage("Penny Black", QUrl("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=2"));
        QVERIFY(tooltip(f, 1).endsWith("\nPage: Penny Black\nAddress: http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=2"));
        QVERIFY(!f.window->tabs()->isTabOffSite(1));
        f.view(1)->showPage("Penny Black", QUrl("http://items.test.example.org/item=2"));
        QVERIFY(f.window->tabs()->isTabOffSite(1));
        QVERIFY(tooltip(f, 1).endsWith("\nNot on the auction site: http://items.test.example.org/item=2"));
        // The services tab browses anywhere.
        f.view(5)->showPage("Elsewhere", QUrl("http://example.org/"));
        QVERIFY(!f.window->tabs()->isTabOffSite(5));
        QCOMPARE(tooltip(f, 5), QString("Page: Elsewhere\nAddress: http://example.org/"));
    }

    void nearItsEndATabReloadsFasterThenOnceMoreAfterItAndEnds()
    {
        MainWindowFixture f;
        f.watch("1");
        f.watch("2");
        FakeBrowserView *view = f.view(0);
        view->chooseElement("US $180.00");
        view->readTimeLeft(true, "Time left: soon");
        f.window->updateReloadStatus();
        QVERIFY(tooltip(f, 0).startsWith("Cannot read the time left from 'Time left: soon'\nReloads every minute"));
        view->readTimeLeft(true, "20m 5s");
        QCOMPARE(timer(f, 0)->interval(), 60000);
        f.window->setEndingSoonLead(30);
        QCOMPARE(timer(f, 0)->interval(), 10000);
        f.window->setEndingSoonLead(5);
        QCOMPARE(timer(f, 0)->interval(), 60000);
        view->readTimeLeft(true, "4m 10s");
        QCOMPARE(timer(f, 0)->interval(), 10000);
        QVERIFY(f.window->watchTab(0)->summary(QDateTime::currentDateTime()).endingSoon);
        QCOMPARE(f.notifier.messages, QStringList({"Item 1: ending soon, 20m 5s left", "Item 1: ending soon, 4m 10s left"}));
        f.window->updateReloadStatus();
        QCOMPARE(f.window->tabs()->tabBar()->tabText(0), QString("Item 1 \u00b7 4m 10s"));
        QCOMPARE(f.window->tabs()->caption(0), QString("Item 1"));
        QVERIFY(tooltip(f, 0).startsWith("Time left: 4m 10s (ends "));
        view->readTimeLeft(true, "45 seconds");
        QCOMPARE(timer(f, 0)->interval(), 5000);

        // An end a second ago: one more reload two seconds after it, then no more.
        const QDateTime end = QDateTime::currentDateTimeUtc().addSecs(-1);
        view->readTimeLeft(true, end.toString("yyyy-MM-dd'T'HH:mm:ss'Z'"));
        view->calls.clear();
        QTRY_COMPARE_WITH_TIMEOUT(view->calls, QStringList{"reloadOnTimer"}, 3000);
        view->readElement(true, "US $185.00");
        view->readTimeLeft(true, "Bidding has ended");
        QVERIFY(!timer(f, 0)->isEnabled());
        QCOMPARE(f.window->watchTab(0)->summary(QDateTime::currentDateTime()).status, QString("ended"));
        f.window->updateReloadStatus();
        QCOMPARE(f.window->tabs()->tabBar()->tabText(0), QString("Item 1 \u00b7 Ended: US $185.00"));
        QVERIFY(tooltip(f, 0).startsWith("Ended: US $185.00\nChanges: US $180.00 at "));
        pick(f, "15 Seconds");
        QVERIFY(!timer(f, 0)->isEnabled());
        QCOMPARE(f.notifier.messages.size(), 3);
    }

    void eachFollowedElementIsReportedOnceByThePageTitleAndAClickShowsItsTab()
    {
        MainWindowFixture f;
        f.watch("1");
        f.watch("2");
        FakeBrowserView *view = f.view(0);
        view->showPage("Penny Black 1840 plate 6", QUrl("http://items.test/aw-cgi/eBayISAPI.dll?ViewItem&item=1"));
        view->chooseElement("US $180.00");
        view->chooseElement("3 bids");
        for (int reload = 0; reload < 2; ++reload) {
            view->readElement(true, "US $185.00", 0);
            view->readElement(true, "4 bids", 1);
        }
        QCOMPARE(f.notifier.messages, QStringList({"Penny Black 1840 plate 6: 'US $180.00' is now 'US $185.00'",
                                                   "Penny Black 1840 plate 6: '3 bids' is now '4 bids'"}));
        QCOMPARE(f.notifier.tags, QList<int>({0, 0}));
        f.window->updateReloadStatus();
        QVERIFY(tooltip(f, 0).contains("\nChanges: US $180.00 at "));
        QVERIFY(tooltip(f, 0).contains(", 4 bids at "));

        QSignalSpy summaryChanged(f.window->watchTab(0), &WatchTab::summaryChanged);
        const WatchSummary changed = f.window->watchTab(0)->summary(QDateTime::currentDateTime());
        QCOMPARE(changed.title, QString("Penny Black 1840 plate 6"));
        QCOMPARE(changed.values, QStringList({"US $185.00", "4 bids"}));
        QCOMPARE(changed.histories.size(), 2);
        QCOMPARE(changed.histories[1].last().value, QString("4 bids"));
        QCOMPARE(changed.status, QString("changed"));
        QCOMPARE(f.window->tabs()->current(), 1);
        f.notifier.click(0);
        QCOMPARE(f.window->tabs()->current(), 0);
        QCOMPARE(summaryChanged.size(), 1);
        QCOMPARE(f.window->watchTab(0)->summary(QDateTime::currentDateTime()).status, QString("live"));
    }

    void onlyWatchViewsOfferAlertsAndStopAlertingOrReleaseEndsOne()
    {
        MainWindowFixture f;
        for (int tab = 0; tab < 5; ++tab)
            QVERIFY(f.view(tab)->alertsEnabled);
        QVERIFY(!f.view(5)->alertsEnabled);

        f.watch("1");
        f.watch("2");
        f.view(0)->chooseElement("a");
        f.view(0)->stopAlertingFromMenu();
        f.view(0)->readElement(true, "b");
        f.view(1)->chooseElement("x");
        f.window->releaseTab();
        QVERIFY(f.view(1)->calls.contains("stopWatchingElement"));
        f.view(1)->readElement(false, QString());
        QVERIFY(f.notifier.messages.isEmpty());
    }
};

QTEST_MAIN(WatchTabsTest)
#include "WatchTabsTest.moc"
