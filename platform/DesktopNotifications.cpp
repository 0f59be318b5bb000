#include "platform/DesktopNotifications.h"
#include "platform/core/ProgramName.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

// Notifications nobody clicked are forgotten after this many.
constexpr int kRememberedNotifications = 100;

} // namespace

DesktopNotifications::DesktopNotifications(QObject *parent)
    : QObject(parent)
{
    QDBusConnection::sessionBus().connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                                          SLOT(actionInvoked(uint, QString)));
}

bool DesktopNotifications::isAvailable()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    // A notification daemon the bus starts on the first call has no owner
    // before it: one the bus can start counts as well.
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(kService)
        || bus.interface()->activatableServiceNames().value().contains(kService);
}

void DesktopNotifications::show(const QString &title, const QString &body, int tag)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << programName() << uint(0) << QStringLiteral("gavrin") << title << body
         << QStringList{QStringLiteral("default"), QStringLiteral("Show")} << QVariantMap() << int(-1);
    // Asked without waiting: the window never stalls on the bus.
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, tag](QDBusPendingCallWatcher *finished) {
        const QDBusPendingReply<uint> reply = *finished;
        finished->deleteLater();
        if (reply.isError())
            return;
        if (m_tags.size() >= kRememberedNotifications)
            m_tags.clear();
        m_tags.insert(reply.value(), tag);
    });
}

void DesktopNotifications::actionInvoked(uint id, const QString &action)
{
    if (action != QLatin1String("default") || !m_tags.contains(id))
        return;
    emit activated(m_tags.take(id));
}
