#pragma once

#include <QString>

// The one value kept between runs: the main window's state as decimal text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // "0" when nothing is stored.
    virtual QString winState() const = 0;
    virtual void setWinState(const QString &value) = 0;
};

// Organisation and application "Gavrin", group "Presets", key "WinState".
class QtSettingsStore final : public SettingsStore
{
public:
    QString winState() const override;
    void setWinState(const QString &value) override;
};
