#include "MainWindowFixture.h"

#include "app/WatchedItemsWindow.h"
#include "platform/TabStrip.h"

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

// The overview of the watched items: one window from the menu, soonest end
// first, following the tabs as they change, and a row bringing its tab forward.
class WatchedItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void theOverviewFollowsTheTabsSoonestEndFirstAndAClickedRowBringsItsTabForward()
    {
        MainWindowFixture f({"111", "222", "333"});
        emit f.view(0)->timeLeftRead(true, "50m 0s");
        emit f.view(2)->timeLeftRead(true, "40m 0s");
        emit f.view(1)->elementChosen("US $1.00");
        emit f.view(1)->elementRead(0, true, "US $2.00");   // a change while tab 2 is in front
        QAction *entry = f.menuEntry("&Watched Items");
        entry->trigger();
        entry->trigger();
        QCOMPARE(openWindows<WatchedItemsWindow>().size(), 1);
        QTreeWidget *rows = f.window->watchedItemsWindow()->rows();
        QCOMPARE(column(rows, 0), QStringList({"333", "111", "222"}));
        QCOMPARE(column(rows, 5), QStringList({"live", "live", "changed"}));

        // The chosen row stays with its tab as the rows change order, and chooses no tab by it.
        rows->setCurrentItem(rows->topLevelItem(1));
        emit f.view(0)->timeLeftRead(true, "30m 0s");
        f.watch("444");
        QTRY_COMPARE(column(rows, 0), QStringList({"111", "333", "222", "444"}));
        QCOMPARE(rows->currentItem()->text(0), QString("111"));
        QCOMPARE(f.window->tabs()->current(), 3);

        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->topLevelItem(2)).center());
        QCOMPARE(f.window->tabs()->current(), 1);
        QVERIFY(f.window->isVisible());
        f.window->close();
        QTRY_VERIFY(openWindows<WatchedItemsWindow>().isEmpty());
    }
};

QTEST_MAIN(WatchedItemsTest)
#include "WatchedItemsTest.moc"
