#include "MainWindowFixture.h"

#include "platform/CaretRest.h"
#include "platform/ReloadTabBar.h"
#include "platform/TabStrip.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QStyleHints>
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

    // Each drawing of the window composes its web view anew, so a status tick draws a reload bar
    // only when it moves a pixel, and the carets rest once the user has left the keys alone.
    void aQuietWindowIsNotRedrawn()
    {
        ReloadTabBar bar;
        bar.addTab(QStringLiteral("Item 1"));
        bar.resize(300, bar.sizeHint().height());
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        bar.setTabProgress(0, 0.5);
        int paints = 0;
        struct PaintCount : QObject
        {
            int *paints;
            explicit PaintCount(int *p) : paints(p) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                *paints += event->type() == QEvent::Paint;
                return false;
            }
        } count(&paints);
        QTest::qWait(50);
        bar.installEventFilter(&count);
        const double aTenthOfAPixel = 0.1 / bar.tabRect(0).width();
        bar.setTabProgress(0, 0.5 + aTenthOfAPixel);
        QTest::qWait(50);
        QCOMPARE(paints, 0);
        bar.setTabProgress(0, 0.4);
        QTRY_VERIFY(paints > 0);
        paints = 0;
        bar.setTabProgress(0, 0.4, HealthTone::Held);
        QTRY_VERIFY(paints > 0);

        QStyleHints *hints = QGuiApplication::styleHints();
        const int blinking = hints->cursorFlashTime();
        QVERIFY(blinking > 0);
        QLineEdit box;
        box.show();
        {
            CaretRest carets;
            QVERIFY(carets.restTimer().isActive());
            QCOMPARE(carets.restTimer().interval(), 10000);
            carets.rest();
            QCOMPARE(hints->cursorFlashTime(), 0);
            QTest::keyClick(&box, Qt::Key_A);
            QCOMPARE(hints->cursorFlashTime(), blinking);
            QVERIFY(carets.restTimer().isActive());
            carets.rest();
        }
        QCOMPARE(hints->cursorFlashTime(), blinking);
    }
};

QTEST_MAIN(TopRowTest)
#include "TopRowTest.moc"
