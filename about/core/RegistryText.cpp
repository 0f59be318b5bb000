#include "about/core/RegistryText.h"

#include "platform/core/Registry.h"

#include <QByteArray>

namespace {

constexpr quint32 kBufferSize = 1024;

QString numberText(const QByteArray &bytes)
{
    quint32 number = 0;
    for (int i = qMin(int(bytes.size()), 4) - 1; i >= 0; --i)
        number = (number << 8) | quint8(bytes.at(i));
    return QString::number(number);
}

} // namespace

std::optional<QString> readRegistryText(Registry &registry, quint32 root, const QString &keyPath,
                                        const QString &valueName)
{
    // Reading needs no more: asking for write rights as well would fail for
    // every user who may not change the local-machine keys.
    Registry::Key key = 0;
    if (registry.openKey(root, keyPath, Registry::ReadAccess, &key) != Registry::Success)
        return std::nullopt;

    QByteArray buffer(kBufferSize, '\0');
    quint32 size = kBufferSize;
    quint32 type = 0;
    const long read = registry.queryValue(key, valueName, &type, buffer.data(), &size);
    registry.closeKey(key);
    if (read != Registry::Success)
        return std::nullopt;

    const int stored = int(qMin(size, kBufferSize));
    const int kept = stored > 0 && buffer.at(stored - 1) == '\0' ? stored - 1 : stored;
    const QByteArray bytes = buffer.left(kept);
    if (type == Registry::TextType)
        return QString::fromLocal8Bit(bytes);
    if (type == Registry::NumberType)
        return numberText(bytes);
    return QString();
}
