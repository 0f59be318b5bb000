#include "platform/Notifier.h"

#include <QApplication>
#include <QSystemTrayIcon>

#ifndef Q_OS_WIN
#include "platform/DesktopNotifications.h"
#endif

DesktopNotifier::DesktopNotifier(QObject *parent)
    : Notifier(parent)
{
#ifndef Q_OS_WIN
    if (DesktopNotifications::isAvailable()) {
        m_service = new DesktopNotifications(this);
        connect(m_service, &DesktopNotifications::activated, this, &Notifier::clicked);
    }
#endif
}

DesktopNotifier::~DesktopNotifier()
{
    delete m_tray;
}

void DesktopNotifier::notify(const QString &title, const QString &message, int tag)
{
#ifndef Q_OS_WIN
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
        m_tray->setToolTip(QStringLiteral("Gavrin"));
        connect(m_tray, &QSystemTrayIcon::messageClicked, this, [this] { emit clicked(m_trayTag); });
        m_tray->show();
    }
    m_trayTag = tag;
    m_tray->showMessage(title, message, QSystemTrayIcon::Information);
}
