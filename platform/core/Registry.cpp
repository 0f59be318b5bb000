#include "platform/core/Registry.h"

#include "platform/core/ProgramFolder.h"

#include <cstring>

#ifdef _WIN32
#include "platform/core/WinRegistry.h"
#else
#include "platform/core/PortableRegistry.h"
#endif

long Registry::copyValue(const QByteArray &value, char *buffer, quint32 *size)
{
    const auto bytes = quint32(value.size());
    if (bytes > *size) {
        *size = bytes;
        return MoreData;
    }
    std::memcpy(buffer, value.constData(), bytes);
    *size = bytes;
    return Success;
}

std::unique_ptr<Registry> systemRegistry(const QString &portablePath)
{
#ifdef _WIN32
    Q_UNUSED(portablePath);
    return std::make_unique<WinRegistry>();
#else
    return std::make_unique<PortableRegistry>(portablePath);
#endif
}
