#pragma once

#include <QObject>
#include <QString>

class DesktopNotifications;
class QSystemTrayIcon;

// Tells the user something while they may be looking elsewhere. A click on
// what it shows comes back as clicked() with the notification's tag.
class Notifier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // A notification about no tab in particular.
    static constexpr int kNoTag = -1;
    virtual void notify(const QString &title, const QString &message, int tag) = 0;

signals:
    void clicked(int tag);
};

// The desktop's notification service where there is one, else a balloon from
// the system tray, else the system beep.
class DesktopNotifier final : public Notifier
{
    Q_OBJECT

public:
    using Notifier::Notifier;
    ~DesktopNotifier() override;
    void notify(const QString &title, const QString &message, int tag) override;

private:
    void showInTray(const QString &title, const QString &message, int tag);

    DesktopNotifications *m_service = nullptr;
    bool m_serviceLookedFor = false;
    QSystemTrayIcon *m_tray = nullptr;
    int m_trayTag = -1; // a balloon tells no tag of its own: the last one shown
};
