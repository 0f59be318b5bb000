#pragma once

#include "platform/core/Registry.h"

// The Windows registry through its ANSI calls; names and texts in the
// system's ANSI code page.
class WinRegistry final : public Registry
{
public:
    long openKey(quint32 root, const QString &path, quint32 access, Key *key) override;
    long queryValue(Key key, const QString &name, quint32 *type, char *buffer, quint32 *size) override;
    void closeKey(Key key) override;
};
