#include "MainWindowFixture.h"
#include "OpenWindows.h"

#include "app/WatchedItemsWindow.h"
#include "platform/TabStrip.h"

#include <QMenuBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

QAction *menuEntry(MainWindow *window, const QString &caption)
{
    for (QAction *action : window->menuBar()->findChildren<QAction *>()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

QStringList column(QTreeWidget *rows, int column)
{
    QStringList texts;
    for (int i = 0; i < rows->topLevelItemCount(); ++i)
        texts << rows->topLevelItem(i)->text(column);
    return texts;
}

WatchSummary summary(int tab, const QString &item, const QDateTime &end, bool changed, bool endingSoon)
{
    WatchSummary s;
    s.tab = tab;
    s.itemNumber = item;
    s.end = end;
    s.status = QStringLiteral("live");
    s.changed = changed;
    s.endingSoon = endingSoon;
    return s;
}

} // namespace

// The overview of the watched items: opened from the menu, its rows, and the tab a row brings forward.
class WatchedItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void menuEntryOpensTheOverviewAndARowBringsItsTabForward()
    {
        MainWindowFixture f;
        f.watch("111");
        f.watch("222");
        f.watch("333");
        f.view(0)->showPage("Old lamp", QUrl("http://items.test/111"));
        f.view(0)->chooseElement("US $1.00");
        f.view(0)->readElement(true, "US $2.00");   // a change while tab 2 is in front
        PageHealth failing;
        failing.lastDrawn = QDateTime::currentDateTime().addSecs(-70);
        failing.loadError = "Connection refused";
        f.view(1)->setHealth(failing);

        QAction *entry = menuEntry(f.window.get(), "&Watched Items");
        QVERIFY(entry);
        entry->trigger();
        entry->trigger();
        QCOMPARE(openWindows<WatchedItemsWindow>().size(), 1);
        WatchedItemsWindow *overview = f.window->watchedItemsWindow();
        QCOMPARE(overview->windowTitle(), QString("Watched Items"));
        QTreeWidget *rows = overview->rows();
        QCOMPARE(column(rows, 0), QStringList({"111", "222", "333"}));
        QCOMPARE(column(rows, 1), QStringList({"Old lamp", "", ""}));
        QCOMPARE(column(rows, 4), QStringList({"never", "1 min ago", "never"}));
        QCOMPARE(column(rows, 5), QStringList({"changed", "not answering", "live"}));
        QVERIFY(rows->topLevelItem(0)->background(0).style() != Qt::NoBrush);
        QCOMPARE(rows->topLevelItem(1)->background(0).style(), Qt::NoBrush);

        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->topLevelItem(0)).center());
        QCOMPARE(f.window->tabs()->current(), 0);
        QVERIFY(f.window->isVisible());

        f.watch("444");   // the overview follows on its own
        QTRY_COMPARE(column(rows, 0), QStringList({"111", "222", "333", "444"}));
        f.window->close();
        QTRY_VERIFY(openWindows<WatchedItemsWindow>().isEmpty());
    }

    void rowsUpdateInPlaceAndTheChosenRowStaysWithItsTab()
    {
        WatchedItemsWindow overview;
        QTreeWidget *rows = overview.rows();
        const QDateTime now = QDateTime::currentDateTime();
        WatchSummary lamp = summary(0, "111", now.addSecs(600), true, false);
        lamp.histories = {{{"US $1.00", now.addSecs(-60)}, {"<b>US $2.00</b>", now}}};
        lamp.values = {"<b>US $2.00</b>"};
        const WatchSummary clock = summary(3, "444", now.addSecs(60), false, true);
        overview.setSummaries({lamp, clock}, now);
        QCOMPARE(column(rows, 0), QStringList({"444", "111"}));
        QCOMPARE(column(rows, 3), QStringList({"1m 0s", "10m 0s"}));
        rows->setCurrentItem(rows->topLevelItem(1));
        QTreeWidgetItem *lampRow = rows->topLevelItem(1);
        QVERIFY(lampRow->toolTip(2).contains("US $1.00"));
        QVERIFY(lampRow->toolTip(2).contains("&lt;b&gt;US $2.00&lt;/b&gt;"));
        // Ending soon and changed are told apart, and both apart from a plain row.
        QVERIFY(rows->topLevelItem(0)->background(0) != lampRow->background(0));

        QSignalSpy chosen(&overview, &WatchedItemsWindow::tabChosen);
        overview.setSummaries({lamp, summary(3, "444", now.addSecs(900), false, false)}, now);
        QCOMPARE(column(rows, 0), QStringList({"111", "444"}));
        QCOMPARE(rows->currentItem()->text(0), QString("111"));
        QCOMPARE(rows->topLevelItem(1)->background(0).style(), Qt::NoBrush);
        QVERIFY(chosen.isEmpty());
        overview.setSummaries({lamp}, now);
        QCOMPARE(column(rows, 0), QStringList({"111"}));
    }
};

QTEST_MAIN(WatchedItemsTest)
#include "WatchedItemsTest.moc"
