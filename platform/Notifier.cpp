#include "platform/Notifier.h"

#include <QApplication>
#include <QSystemTrayIcon>

#ifndef Q_OS_WIN
#include "platform/DesktopNotifications.h"
#include "platform/core/ProgramName.h"
#endif

DesktopNotifier::~DesktopNotifier()
{
    delete m_tray;
}

void DesktopNotifier::notify(const QString &title, const QString &message, int tag)
{
#ifndef Q_OS_WIN
    // The session bus is asked once, at the first notification rather than
    // at start-up, whether the desktop has a notification service.
    if (!m_serviceLookedFor) {
        m_serviceLookedFor = true;
        if (DesktopNotifications::isAvailable()) {
            m_service = new DesktopNotifications(this);
            connect(m_service, &DesktopNotifications::activated, this, &Notifier::clicked);
        }
    }
    if (m_service) {
        m_service->show(title, message, tag);
        return;
    }
#endif
    if (!QSystemTrayIcon::isSystemTrayAvailable() || !QSystemTrayIcon::supportsMessages()) {
        QApplication::beep();
        return;
    }
    showInTray(title, message, tag);
}

void DesktopNotifier::showInTray(const QString &title, const QString &message, int tag)
{
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(QApplication::windowIcon());
        m_tray->setToolTip(programName());
        connect(m_tray, &QSystemTrayIcon::messageClicked, this, [this] { emit clicked(m_trayTag); });
        m_tray->show();
    }
    m_trayTag = tag;
    m_tray->showMessage(title, message, QSystemTrayIcon::Information);
}
