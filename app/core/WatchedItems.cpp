#include "app/core/WatchedItems.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString watchedItemsToText(const QList<WatchedItem> &items)
{
    QJsonArray array;
    for (const WatchedItem &item : items)
        array.append(QJsonObject{{"tab", item.tab},
                                 {"item", item.itemNumber},
                                 {"periodMs", item.periodMs},
                                 {"followed", QJsonArray::fromStringList(item.followed)},
                                 {"timeLeft", item.timeLeft}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QList<WatchedItem> watchedItemsFromText(const QString &text, int tabCount)
{
    QList<WatchedItem> items;
    for (const QJsonValue &value : QJsonDocument::fromJson(text.toUtf8()).array()) {
        const QJsonObject object = value.toObject();
        const int tab = object.value("tab").toInt(-1);
        if (tab < 0 || tab >= tabCount || !object.value("item").isString())
            continue;
        QStringList followed;
        for (const QJsonValue &selector : object.value("followed").toArray()) {
            if (selector.isString())
                followed << selector.toString();
        }
        items.append({tab, object.value("item").toString(), qBound(0, object.value("periodMs").toInt(), 65535),
                      followed, object.value("timeLeft").toString()});
    }
    return items;
}
