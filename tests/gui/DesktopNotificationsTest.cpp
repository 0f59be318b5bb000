#include "platform/DesktopNotifications.h"
#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QtTest>

// The desktop's notification service as far as Gavrin uses it, on the test's
// own session bus: it records each notification and numbers it from 41.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList shown;
    bool offersDefault = true;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        shown << summary + ": " + body;
        offersDefault = offersDefault && actions.contains("default");
        return uint(shown.size() + 40);
    }

    void click(uint id, const QString &action)
    {
        QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                         "org.freedesktop.Notifications", "ActionInvoked");
        signal << id << action;
        QDBusConnection::sessionBus().send(signal);
    }
};

class DesktopNotificationsTest : public QObject
{
    Q_OBJECT

private slots:
    // The notifier looks for the service at its first notification, not when it is made.
    void notificationsGoToTheDesktopsServiceAndAClickGivesTheirTagBack()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected(), "run under dbus-run-session");
        QVERIFY(!DesktopNotifications::isAvailable());
        DesktopNotifier notifier;
        FakeNotificationService service;
        QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService("org.freedesktop.Notifications"));

        QSignalSpy clicked(&notifier, &Notifier::clicked);
        notifier.notify("Gavrin", "Penny Black: ending soon", 3);
        notifier.notify("Gavrin", "Blue vase: ending soon", 1);
        QTRY_COMPARE(service.shown.size(), 2);
        QCOMPARE(service.shown[0], QString("Gavrin: Penny Black: ending soon"));
        QVERIFY(service.offersDefault);
        QTest::qWait(300); // the numbers given reach the notifier on replies of their own

        // A dismissed one says nothing; a click on the second gives its tag.
        service.click(41, "dismissed");
        service.click(42, "default");
        QTRY_COMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toInt(), 1);
    }
};

QTEST_MAIN(DesktopNotificationsTest)
#include "DesktopNotificationsTest.moc"
