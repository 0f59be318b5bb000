#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Records what would be handed to the desktop, in order; fails everything when told to.
class RecordingShell final : public Shell
{
public:
    bool openAddress(const QString &address) override { return record("open " + address); }
    bool startOpener(const QString &address) override { return record("opener " + address); }
    bool startProgram(const QString &path) override { return record("start " + path); }

    QStringList calls;
    bool works = true;

private:
    bool record(const QString &call)
    {
        calls << call;
        return works;
    }
};
