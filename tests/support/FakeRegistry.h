#pragma once

#include "platform/core/Registry.h"

#include <QHash>
#include <QMap>

// A local-machine registry in memory that records the access it is asked for.
class FakeRegistry final : public Registry
{
public:
    struct Value
    {
        quint32 type;
        QByteArray data;
    };

    void setValue(const QString &keyPath, const QString &name, quint32 type, const QByteArray &data)
    {
        keys[keyPath][name] = Value{type, data};
    }

    long openKey(quint32 root, const QString &path, quint32 access, Key *key) override
    {
        accessAsked << access;
        if (root != LocalMachine || !keys.contains(path))
            return NotFound;
        *key = ++lastKey;
        openKeys.insert(*key, path);
        return Success;
    }
    long queryValue(Key key, const QString &name, quint32 *type, char *buffer, quint32 *size) override
    {
        const QMap<QString, Value> values = keys.value(openKeys.value(key));
        if (!values.contains(name))
            return NotFound;
        *type = values[name].type;
        return copyValue(values[name].data, buffer, size);
    }
    void closeKey(Key key) override { openKeys.remove(key); }

    QMap<QString, QMap<QString, Value>> keys;
    QHash<Key, QString> openKeys;
    QList<quint32> accessAsked;
    Key lastKey = 0;
};
