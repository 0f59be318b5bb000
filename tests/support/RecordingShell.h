#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Records what would be handed to the desktop; fails everything when told to.
class RecordingShell final : public Shell
{
public:
    bool openAddress(const QString &address) override
    {
        opened << address;
        return works;
    }
    bool startOpener(const QString &address) override
    {
        openerStarted << address;
        return works;
    }
    bool startProgram(const QString &path) override
    {
        started << path;
        return works;
    }

    QStringList opened;
    QStringList openerStarted;
    QStringList started;
    bool works = true;
};
