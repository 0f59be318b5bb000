#pragma once

#include <QString>
#include <memory>

// Read access to the system registry in the shape of the system's own calls:
// a key is opened under a root, a value is copied into the caller's buffer,
// the key is closed. Results are the system's error codes, 0 for success.
class Registry
{
public:
    using Key = quintptr;

    static constexpr quint32 LocalMachine = 0x80000002; // HKEY_LOCAL_MACHINE
    static constexpr quint32 ReadAccess = 0x20019;      // KEY_READ
    static constexpr quint32 TextType = 1;              // REG_SZ
    static constexpr quint32 NumberType = 4;            // REG_DWORD, little-endian
    static constexpr long Success = 0;
    static constexpr long NotFound = 2;      // ERROR_FILE_NOT_FOUND
    static constexpr long InvalidHandle = 6; // ERROR_INVALID_HANDLE
    static constexpr long MoreData = 234;    // ERROR_MORE_DATA

    virtual ~Registry() = default;

    virtual long openKey(quint32 root, const QString &path, quint32 access, Key *key) = 0;
    // On entry *size is the size of buffer; on success it is the number of
    // bytes stored, a text's terminating zero included. A value larger than
    // the buffer gives MoreData and leaves the buffer alone.
    virtual long queryValue(Key key, const QString &name, quint32 *type, char *buffer, quint32 *size) = 0;
    virtual void closeKey(Key key) = 0;

protected:
    // Fills a caller's buffer as the system does.
    static long copyValue(const QByteArray &value, char *buffer, quint32 *size);
};

// Where the system information tool registers its full path: value "PATH"
// of this key under the local-machine root.
inline QString sysInfoToolKey()
{
    return QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
}
inline QString sysInfoToolValue()
{
    return QStringLiteral("PATH");
}

// The registry of this system: on Windows the real one; elsewhere a
// PortableRegistry over the "registry.ini" at portablePath.
std::unique_ptr<Registry> systemRegistry(const QString &portablePath);
