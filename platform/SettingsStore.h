#pragma once

#include "platform/core/PushMessage.h"

#include <QRect>
#include <QString>

// What is kept between runs: the main window's state as decimal text, its
// size and place in the normal state, the watched items and where their
// overview was, the push address, and each site's text telling that the user leads.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // "0" when nothing is stored.
    virtual QString winState() const = 0;
    virtual void setWinState(const QString &value) = 0;
    // Invalid when nothing is stored.
    virtual QRect normalGeometry() const = 0;
    virtual void setNormalGeometry(const QRect &value) = 0;
    // Empty when nothing is stored.
    virtual QString watchedItems() const = 0;
    virtual void setWatchedItems(const QString &value) = 0;
    // The rate box's text the watched items were kept with; empty when nothing is stored.
    virtual QString refreshRate() const = 0;
    virtual void setRefreshRate(const QString &value) = 0;
    // True when nothing is stored.
    virtual bool reopensWatchedItems() const = 0;
    virtual void setReopensWatchedItems(bool value) = 0;
    // The overview of the watched items when it was last closed; invalid when nothing is stored.
    virtual QRect watchedItemsGeometry() const = 0;
    virtual void setWatchedItemsGeometry(const QRect &value) = 0;
    // An empty address when nothing is stored.
    virtual PushSettings push() const = 0;
    virtual void setPush(const PushSettings &value) = 0;
    // What a site's page shows while the user leads, by the site's host; empty when nothing is stored.
    virtual QString leadingText(const QString &host) const = 0;
    virtual void setLeadingText(const QString &host, const QString &text) = 0;
};

// Organisation and application "Gavrin", group "Presets", keys "WinState",
// "NormalGeometry", "WatchedItems", "RefreshRate", "ReopenWatchedItems" and
// "WatchedItemsGeometry"; group "Push", keys "Kind", "Address", "Token",
// "Events" and "Tested"; group "LeadingTexts", a key a host.
class QtSettingsStore final : public SettingsStore
{
public:
    QString winState() const override;
    void setWinState(const QString &value) override;
    QRect normalGeometry() const override;
    void setNormalGeometry(const QRect &value) override;
    QString watchedItems() const override;
    void setWatchedItems(const QString &value) override;
    QString refreshRate() const override;
    void setRefreshRate(const QString &value) override;
    bool reopensWatchedItems() const override;
    void setReopensWatchedItems(bool value) override;
    QRect watchedItemsGeometry() const override;
    void setWatchedItemsGeometry(const QRect &value) override;
    PushSettings push() const override;
    void setPush(const PushSettings &value) override;
    QString leadingText(const QString &host) const override;
    void setLeadingText(const QString &host, const QString &text) override;
};
