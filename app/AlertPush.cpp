#include "app/AlertPush.h"

#include "platform/PushSender.h"
#include "platform/SettingsStore.h"

AlertPush::AlertPush(SettingsStore *settings, PushSender *sender, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_sender(sender)
{
    m_sender->setParent(this);
    m_sender->setSettings(settings->push());
    connect(m_sender, &PushSender::failed, this,
            [this](const PushMessage &message, const QString &why) { emit failed(message.tag, why); });
}

void AlertPush::setSettings(const PushSettings &settings)
{
    m_settings->setPush(settings);
    m_sender->setSettings(settings);
}

void AlertPush::push(AlertEvent event, PushMessage message)
{
    if (!m_sender->settings().events.contains(alertEventName(event)))
        return;
    message.priority = alertEventPriority(event);
    m_sender->send(message);
}
