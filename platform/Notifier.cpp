#include "platform/Notifier.h"

#include <QApplication>
#include <QSystemTrayIcon>

DesktopNotifier::~DesktopNotifier()
{
    delete m_tray;
}

void DesktopNotifier::notify(const QString &title, const QString &message)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable() || !QSystemTrayIcon::supportsMessages()) {
        QApplication::beep();
        return;
    }
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(QApplication::windowIcon());
        m_tray->setToolTip(QStringLiteral("Gavrin"));
        m_tray->show();
    }
    m_tray->showMessage(title, message, QSystemTrayIcon::Information);
}
