#include "MainWindowFixture.h"

#include "platform/TabStrip.h"

#include <QLabel>
#include <QtTest>

namespace {

// The controls of the top row: the client area's children but the tab strip and the blue bars.
QList<QWidget *> topRow(MainWindow *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child != window->tabs() && child != window->topBar() && child != window->lowerBar())
            controls << child;
    return controls;
}

QString describe(const QWidget *control)
{
    const QRect at = control->geometry();
    return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
        .arg(control->metaObject()->className(),
             control->toolTip().isEmpty() ? control->property("text").toString() : control->toolTip())
        .arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
}

} // namespace

// Run as it is, at twice the scale and on a 144-dpi screen (see the CMake list).
class TopRowTest : public QObject
{
    Q_OBJECT

private slots:
    void topRowControlsFitAndReachable_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("as made") << 0;
        QTest::newRow("400 px wide") << 400;
    }
    void topRowControlsFitAndReachable()
    {
        QFETCH(int, width);
        MainWindowFixture f;
        f.window->start();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        if (width)
            f.window->resize(width, f.window->height());
        QTRY_VERIFY(!width || f.window->width() == width);

        const QList<QWidget *> controls = topRow(f.window.get());
        QCOMPARE(controls.size(), 14);
        const QRect client = f.window->centralWidget()->rect();
        const int stripTop = f.window->tabs()->y();
        for (QWidget *control : controls) {
            QVERIFY2(control->isVisible() && client.contains(control->geometry()), qPrintable(describe(control)));
            QVERIFY2(control->geometry().bottom() < stripTop, qPrintable(describe(control)));
            if (auto *label = qobject_cast<QLabel *>(control))
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(describe(control)));
            for (QWidget *other : controls)
                QVERIFY2(other == control || !other->geometry().intersects(control->geometry()),
                         qPrintable(describe(control) + " overlaps " + describe(other)));
        }
    }
};

QTEST_MAIN(TopRowTest)
#include "TopRowTest.moc"
