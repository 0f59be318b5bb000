#include "MainWindowFixture.h"

#include "app/core/RefreshRates.h"
#include "platform/ChoiceBox.h"
#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"
#include "platform/TextBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QtTest>

class RefreshTest : public QObject
{
    Q_OBJECT

private:
    static void pick(MainWindowFixture &f, const QString &rate)
    {
        f.window->rateBox()->setCurrentText(rate);
        f.window->applyPickedRate();
    }
    static void tick(MainWindowFixture &f, int times)
    {
        for (int i = 0; i < times; ++i)
            f.window->tickCountdown();
    }

private slots:
    void pickingARateRearmsOnlyOccupiedTabs()
    {
        MainWindowFixture f;
        pick(f, "15 Seconds");   // nothing watched yet: no timer starts
        QVERIFY(!f.window->watchTab(0)->reloadTimer()->isEnabled());
        f.watch("a");
        f.watch("b");
        f.watch("c");
        f.window->tabs()->setCurrent(1);
        f.window->releaseTab();
        QCOMPARE(f.window->watchTab(0)->reloadTimer()->interval(), 15000);

        pick(f, "30 Seconds");
        for (int tab : {0, 2}) {
            QVERIFY(f.window->watchTab(tab)->reloadTimer()->isRunning());
            QCOMPARE(f.window->watchTab(tab)->reloadTimer()->interval(), 30000);
        }
        for (int tab : {1, 3, 4})
            QVERIFY(!f.window->watchTab(tab)->reloadTimer()->isEnabled());
        QCOMPARE(f.window->watchTab(1)->reloadTimer()->interval(), 15000);
    }

    void fiveMinutesNoRefreshAndBackKeepTheCountdownApart()
    {
        MainWindowFixture f;
        f.watch("1");
        pick(f, "5 Minutes");
        QVERIFY(f.window->fiveMinuteCountdown()->isRunning());
        QVERIFY(!f.window->watchTab(0)->reloadTimer()->isRunning());
        pick(f, "45 Seconds");   // the countdown keeps going beside the tab timers
        QVERIFY(f.window->fiveMinuteCountdown()->isRunning());
        QCOMPARE(f.window->watchTab(0)->reloadTimer()->interval(), 45000);
        tick(f, 180);
        pick(f, "No Refresh");
        QVERIFY(!f.window->fiveMinuteCountdown()->isEnabled());
        QVERIFY(!f.window->watchTab(0)->reloadTimer()->isRunning());
        pick(f, "1 Minute");
        QVERIFY(!f.window->fiveMinuteCountdown()->isEnabled());
        QVERIFY(f.window->watchTab(0)->reloadTimer()->isRunning());
        pick(f, "5 Minutes");
        QCOMPARE(f.window->countdown(), QString("120"));
    }

    void pickingTheSameRateRestartsTheWait()
    {
        MainWindowFixture f;
        pick(f, "15 Seconds");
        f.watch("1");
        QTest::qWait(300);
        const int before = f.window->watchTab(0)->reloadTimer()->remainingTime();
        pick(f, "15 Seconds");
        QVERIFY(f.window->watchTab(0)->reloadTimer()->remainingTime() > before);
    }

    // Typing runs nothing and is kept as typed; the watch command reads it exactly. A pick from
    // the list runs the handler.
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
            QCOMPARE(f.window->watchTab(0)->reloadTimer()->interval(), 60000);
        }
        box->lineEdit()->setText("15 seconds");
        f.watch("2");
        QCOMPARE(f.window->watchTab(1)->reloadTimer()->interval(), 0);

        box->setFocus(Qt::TabFocusReason);
        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(3, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(box->currentText(), QString("30 Seconds"));
        QCOMPARE(f.window->watchTab(0)->reloadTimer()->interval(), 30000);
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
        emit f.window->watchTab(1)->reloadTimer()->timeout();
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
};

QTEST_MAIN(RefreshTest)
#include "RefreshTest.moc"
