#pragma once

#include "platform/SettingsStore.h"

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

    QString stored; // the window state
    QRect geometry;
    QString items;
    QString rate;
    bool reopens = true;
    QRect overviewGeometry;
};
