#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QtTest>

// The desktop's notification service as far as Gavrin uses it, on the test's
// own session bus: it records each notification and numbers it.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList shown;
    QList<QStringList> actions;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &offered, const QVariantMap &, int)
    {
        shown << summary + ": " + body;
        actions << offered;
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
    void aClickOnANotificationGivesItsTagBack()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected(), "run under dbus-run-session");
        QVERIFY(!DesktopNotifications::isAvailable());
        FakeNotificationService service;
        QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService("org.freedesktop.Notifications"));
        QVERIFY(DesktopNotifications::isAvailable());

        DesktopNotifications notifications;
        QSignalSpy activated(&notifications, &DesktopNotifications::activated);
        notifications.show("Penny Black", "US $180.00 is now US $185.00", 3);
        notifications.show("Blue vase", "Ending soon", 1);
        QTRY_COMPARE(service.shown.size(), 2);
        QCOMPARE(service.shown[0], QString("Penny Black: US $180.00 is now US $185.00"));
        QVERIFY(service.actions[0].contains("default"));
        // The numbers given reach the notifier on replies of their own.
        QTest::qWait(300);

        // A closed or dismissed one says nothing; a click on the second gives its tag.
        service.click(41, "dismissed");
        service.click(42, "default");
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(activated[0][0].toInt(), 1);
        service.click(42, "default");
        QTest::qWait(200);
        QCOMPARE(activated.size(), 1);
    }
};

QTEST_MAIN(DesktopNotificationsTest)
#include "DesktopNotificationsTest.moc"
