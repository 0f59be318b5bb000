#include "MainWindowFixture.h"

#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

// Run as it is, at twice the scale and on a 144-dpi screen (see the CMake list).
class TopRowTest : public QObject
{
    Q_OBJECT

private slots:
    // The controls of the top row are its children but the blue bars; the row lies in the client area.
    void topRowControlsFitAndTheStripFillsTheRestAsMadeAndNarrow()
    {
        MainWindowFixture f;
        f.window->start();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget *client = f.window->centralWidget();
        QWidget *row = widgetNamed<QWidget>(client, "topRow");
        for (int width : {0, 400}) {
            if (width)
                f.window->resize(width, f.window->height());
            QTRY_VERIFY(!width || f.window->width() == width);
            QTRY_COMPARE(f.tabs()->geometry().bottom() + 1, client->height());
            QCOMPARE(f.view(0)->width(), f.view(kServicesTab)->width());

            QList<QWidget *> controls = row->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            for (const char *bar : {"topBar", "lowerBar"})
                controls.removeOne(widgetNamed<QWidget>(row, bar));
            QCOMPARE(controls.size(), 14);
            for (QWidget *control : controls) {
                const QRect at = control->geometry().translated(row->pos());
                const QString text = control->toolTip() + control->property("text").toString();
                const QByteArray name = control->metaObject()->className() + (" \"" + text + "\"").toUtf8();
                QVERIFY2(control->isVisible() && row->geometry().contains(at) && client->rect().contains(at),
                         name.constData());
                QVERIFY2(at.bottom() < f.tabs()->y(), name.constData());
                if (auto *label = qobject_cast<QLabel *>(control))
                    QVERIFY2(label->width() >= label->sizeHint().width(), name.constData());
                for (QWidget *other : controls)
                    QVERIFY2(other == control || !other->geometry().intersects(control->geometry()),
                             (name + " overlaps another").constData());
            }
        }
    }

    // The tab bar would take "&" for an access key and hide it; a header shows it as written, in the
    // typed item number and in a value read from the page. The accessible name is the text shown.
    void ampersandsOnAHeaderAreShownAsWritten()
    {
        MainWindowFixture f({"1&2"});
        f.elements(0)->choose(kAlertEntry, "#what", "R&D");
        f.elements(0)->load({{"#what", "R & D"}});
        f.elements(0)->choose(kTimeLeftEntry, "#left",
                              QDateTime::currentDateTimeUtc().addSecs(-3).toString(Qt::ISODate));
        f.watchTabs()->showStatus(QDateTime::currentDateTime());
        QAccessibleInterface *header = QAccessible::queryAccessibleInterface(f.tabs()->tabBar())->child(0);
        QCOMPARE(header->text(QAccessible::Name), QString("Item 1&2 \u00b7 Ended: R & D"));
    }
};

QTEST_MAIN(TopRowTest)
#include "TopRowTest.moc"
