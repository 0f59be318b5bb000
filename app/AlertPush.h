#pragma once

#include "app/core/AlertEvents.h"
#include "platform/core/PushMessage.h"

#include <QObject>

class PushSender;
class SettingsStore;

// The watch tabs' events pushed to the address in the settings, those the
// user chose, once a test to it has arrived.
class AlertPush final : public QObject
{
    Q_OBJECT

public:
    AlertPush(SettingsStore *settings, PushSender *sender, QObject *parent = nullptr);

    PushSender *sender() const { return m_sender; }
    // The settings as the user changed them, kept and used from now on.
    void setSettings(const PushSettings &settings);
    // message's tag is the tab's; it is pushed when the user chose the event.
    void push(AlertEvent event, PushMessage message);

signals:
    // A push about a tab did not arrive after its retries.
    void failed(int tab, const QString &why);

private:
    SettingsStore *m_settings;
    PushSender *m_sender;
};
