#include "MainWindowFixture.h"

#include "platform/TabStrip.h"

#include <QLabel>
#include <QtTest>

// Run as it is, at twice the scale and on a 144-dpi screen (see the CMake list).
class TopRowTest : public QObject
{
    Q_OBJECT

private slots:
    // The controls of the top row are the client area's children but the tab strip and the blue bars.
    void topRowControlsFitAndTheStripFillsTheRestAsMadeAndNarrow()
    {
        MainWindowFixture f;
        f.window->start();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget *client = f.window->centralWidget();
        for (int width : {0, 400}) {
            if (width)
                f.window->resize(width, f.window->height());
            QTRY_VERIFY(!width || f.window->width() == width);
            QTRY_COMPARE(f.window->tabs()->geometry().bottom() + 1, client->height());
            QCOMPARE(f.view(0)->width(), f.view(5)->width());

            QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            for (QWidget *other : std::initializer_list<QWidget *>{f.window->tabs(), f.window->topBar(), f.window->lowerBar()})
                controls.removeOne(other);
            QCOMPARE(controls.size(), 14);
            for (QWidget *control : controls) {
                const QRect at = control->geometry();
                const QString text = control->toolTip() + control->property("text").toString();
                const QByteArray name = control->metaObject()->className() + (" \"" + text + "\"").toUtf8();
                QVERIFY2(control->isVisible() && client->rect().contains(at), name.constData());
                QVERIFY2(at.bottom() < f.window->tabs()->y(), name.constData());
                if (auto *label = qobject_cast<QLabel *>(control))
                    QVERIFY2(label->width() >= label->sizeHint().width(), name.constData());
                for (QWidget *other : controls)
                    QVERIFY2(other == control || !other->geometry().intersects(at), (name + " overlaps another").constData());
            }
        }
    }
};

QTEST_MAIN(TopRowTest)
#include "TopRowTest.moc"
