#pragma once

#include <QHash>
#include <QObject>

// The desktop's notification service (org.freedesktop.Notifications on the
// session bus), where there is one. A notification offers its default action,
// so a click on it comes back as activated().
class DesktopNotifications final : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifications(QObject *parent = nullptr);

    static bool isAvailable();
    // Shows title and body; tag comes back with activated() when it is clicked.
    void show(const QString &title, const QString &body, int tag);

signals:
    void activated(int tag);

private slots:
    // The service's signal; a click on the body is the action "default".
    void actionInvoked(uint id, const QString &action);

private:
    QHash<uint, int> m_tags;
};
