#pragma once

#include "platform/SettingsStore.h"

#include <QHash>

class MemorySettingsStore final : public SettingsStore
{
public:
    QString winState() const override { return stored.isNull() ? QStringLiteral("0") : stored; }
    void setWinState(const QString &value) override { stored = value; }
    QRect normalGeometry() const override { return geometry; }
    void setNormalGeometry(const QRect &value) override { geometry = value; }
    QString watchedItems() const override { return items; }
    void setWatchedItems(const QString &value) override { items = value; }
    QString refreshRate() const override { return rate; }
    void setRefreshRate(const QString &value) override { rate = value; }
    bool reopensWatchedItems() const override { return reopens; }
    void setReopensWatchedItems(bool value) override { reopens = value; }
    QRect watchedItemsGeometry() const override { return overviewGeometry; }
    void setWatchedItemsGeometry(const QRect &value) override { overviewGeometry = value; }
    PushSettings push() const override { return pushSettings; }
    void setPush(const PushSettings &value) override { pushSettings = value; }
    QString leadingText(const QString &host) const override { return leadingTexts.value(host); }
    void setLeadingText(const QString &host, const QString &text) override { leadingTexts[host] = text; }

    QString stored; // the window state
    QRect geometry;
    QString items;
    QString rate;
    bool reopens = true;
    QRect overviewGeometry;
    PushSettings pushSettings;
    QHash<QString, QString> leadingTexts;
};
