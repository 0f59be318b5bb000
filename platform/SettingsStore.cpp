#include "platform/SettingsStore.h"
#include "platform/core/ProgramName.h"

#include <QSettings>

namespace {

const QString kOrganisation = programName();
const QString kApplication = programName();
const QString kWinStateKey = QStringLiteral("Presets/WinState");
const QString kNormalGeometryKey = QStringLiteral("Presets/NormalGeometry");
const QString kWatchedItemsKey = QStringLiteral("Presets/WatchedItems");
const QString kRefreshRateKey = QStringLiteral("Presets/RefreshRate");
const QString kReopenWatchedItemsKey = QStringLiteral("Presets/ReopenWatchedItems");
const QString kWatchedItemsGeometryKey = QStringLiteral("Presets/WatchedItemsGeometry");
const QString kPushKindKey = QStringLiteral("Push/Kind");
const QString kPushAddressKey = QStringLiteral("Push/Address");
const QString kPushTokenKey = QStringLiteral("Push/Token");
const QString kPushEventsKey = QStringLiteral("Push/Events");
const QString kPushTestedKey = QStringLiteral("Push/Tested");
const QString kWebhookKind = QStringLiteral("webhook");

QVariant stored(const QString &key, const QVariant &otherwise)
{
    return QSettings(kOrganisation, kApplication).value(key, otherwise);
}

void store(const QString &key, const QVariant &value)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(key, value);
    settings.sync();
}

// A host holds no slash, which would open a group of its own.
QString leadingTextKey(const QString &host)
{
    return QStringLiteral("LeadingTexts/") + host.toLower();
}

} // namespace

QString QtSettingsStore::winState() const
{
    return stored(kWinStateKey, QStringLiteral("0")).toString();
}

void QtSettingsStore::setWinState(const QString &value)
{
    store(kWinStateKey, value);
}

QRect QtSettingsStore::normalGeometry() const
{
    return stored(kNormalGeometryKey, QRect()).toRect();
}

void QtSettingsStore::setNormalGeometry(const QRect &value)
{
    store(kNormalGeometryKey, value);
}

QString QtSettingsStore::watchedItems() const
{
    return stored(kWatchedItemsKey, QString()).toString();
}

void QtSettingsStore::setWatchedItems(const QString &value)
{
    store(kWatchedItemsKey, value);
}

QString QtSettingsStore::refreshRate() const
{
    return stored(kRefreshRateKey, QString()).toString();
}

void QtSettingsStore::setRefreshRate(const QString &value)
{
    store(kRefreshRateKey, value);
}

bool QtSettingsStore::reopensWatchedItems() const
{
    return stored(kReopenWatchedItemsKey, true).toBool();
}

void QtSettingsStore::setReopensWatchedItems(bool value)
{
    store(kReopenWatchedItemsKey, value);
}

QRect QtSettingsStore::watchedItemsGeometry() const
{
    return stored(kWatchedItemsGeometryKey, QRect()).toRect();
}

void QtSettingsStore::setWatchedItemsGeometry(const QRect &value)
{
    store(kWatchedItemsGeometryKey, value);
}

PushSettings QtSettingsStore::push() const
{
    PushSettings push;
    push.kind = stored(kPushKindKey, QString()).toString() == kWebhookKind ? PushSettings::Kind::Webhook
                                                                           : PushSettings::Kind::Topic;
    push.address = stored(kPushAddressKey, QString()).toString();
    push.token = stored(kPushTokenKey, QString()).toString();
    push.events = stored(kPushEventsKey, QStringList()).toStringList();
    push.tested = stored(kPushTestedKey, false).toBool();
    return push;
}

void QtSettingsStore::setPush(const PushSettings &value)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kPushKindKey, value.kind == PushSettings::Kind::Webhook ? kWebhookKind : QStringLiteral("topic"));
    settings.setValue(kPushAddressKey, value.address);
    settings.setValue(kPushTokenKey, value.token);
    settings.setValue(kPushEventsKey, value.events);
    settings.setValue(kPushTestedKey, value.tested);
    settings.sync();
}

QString QtSettingsStore::leadingText(const QString &host) const
{
    return stored(leadingTextKey(host), QString()).toString();
}

void QtSettingsStore::setLeadingText(const QString &host, const QString &text)
{
    store(leadingTextKey(host), text);
}
