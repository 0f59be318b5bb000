#include "about/core/GetKeyValue.h"

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

bool GetKeyValue(Registry &registry, quint32 KeyRoot, const QString &Keyname, const QString &SubKeyRef,
                 QString &KeyVal)
{
    // Reading needs no more: asking for write rights as well would fail for
    // every user who may not change the local-machine keys.
    Registry::Key key = 0;
    if (registry.openKey(KeyRoot, Keyname, Registry::ReadAccess, &key) != Registry::Success) {
        KeyVal.clear();
        return false;
    }

    QByteArray buffer(kBufferSize, '\0');
    quint32 size = kBufferSize;
    quint32 type = 0;
    if (registry.queryValue(key, SubKeyRef, &type, buffer.data(), &size) != Registry::Success) {
        KeyVal.clear();
        registry.closeKey(key);
        return false;
    }

    const int stored = int(qMin(size, kBufferSize));
    const int kept = stored > 0 && buffer.at(stored - 1) == '\0' ? stored - 1 : stored;
    const QByteArray bytes = buffer.left(kept);
    if (type == Registry::TextType)
        KeyVal = QString::fromLocal8Bit(bytes);
    else if (type == Registry::NumberType)
        KeyVal = numberText(bytes);

    registry.closeKey(key);
    return true;
}
