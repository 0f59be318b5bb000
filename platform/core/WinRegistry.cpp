#include "platform/core/WinRegistry.h"

#include <windows.h>

long WinRegistry::openKey(quint32 root, const QString &path, quint32 access, Key *key)
{
    // The predefined roots are 32-bit values sign-extended to a handle.
    const auto rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootKey, path.toLocal8Bit().constData(), 0, access, &opened);
    if (result == ERROR_SUCCESS)
        *key = reinterpret_cast<Key>(opened);
    return result;
}

long WinRegistry::queryValue(Key key, const QString &name, quint32 *type, char *buffer, quint32 *size)
{
    DWORD valueType = 0;
    DWORD bytes = *size;
    const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.toLocal8Bit().constData(), nullptr,
                                         &valueType, reinterpret_cast<LPBYTE>(buffer), &bytes);
    *type = valueType;
    *size = bytes;
    return result;
}

void WinRegistry::closeKey(Key key)
{
    RegCloseKey(reinterpret_cast<HKEY>(key));
}
