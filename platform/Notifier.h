#pragma once

#include <QString>

class QSystemTrayIcon;

// Tells the user something while they may be looking elsewhere.
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString &title, const QString &message) = 0;
};

// A desktop notification from the system tray where there is one, the
// system beep otherwise.
class DesktopNotifier final : public Notifier
{
public:
    ~DesktopNotifier() override;
    void notify(const QString &title, const QString &message) override;

private:
    QSystemTrayIcon *m_tray = nullptr;
};
