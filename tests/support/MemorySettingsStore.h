#pragma once

#include "platform/SettingsStore.h"

class MemorySettingsStore final : public SettingsStore
{
public:
    QString winState() const override { return stored.isNull() ? QStringLiteral("0") : stored; }
    void setWinState(const QString &value) override
    {
        stored = value;
        ++writes;
    }

    QString stored;
    int writes = 0;
};
