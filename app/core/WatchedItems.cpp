#include "app/core/WatchedItems.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString timeText(const QDateTime &when)
{
    return when.toUTC().toString(Qt::ISODateWithMs);
}

std::optional<QDateTime> timeFrom(const QJsonValue &value)
{
    const QDateTime when = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return when.isValid() ? std::optional<QDateTime>(when) : std::nullopt;
}

QJsonArray historiesToJson(const QList<QList<ChangeHistory::Entry>> &histories)
{
    QJsonArray array;
    for (const QList<ChangeHistory::Entry> &history : histories) {
        QJsonArray entries;
        for (const ChangeHistory::Entry &entry : history)
            entries.append(QJsonObject{{"value", entry.value}, {"when", timeText(entry.when)}});
        array.append(entries);
    }
    return array;
}

QList<QList<ChangeHistory::Entry>> historiesFromJson(const QJsonArray &array)
{
    QList<QList<ChangeHistory::Entry>> histories;
    for (const QJsonValue &history : array) {
        QList<ChangeHistory::Entry> entries;
        for (const QJsonValue &entry : history.toArray()) {
            const std::optional<QDateTime> when = timeFrom(entry.toObject().value("when"));
            if (when && entry.toObject().value("value").isString())
                entries.append({entry.toObject().value("value").toString(), *when});
        }
        histories.append(ChangeHistory(entries).entries());
    }
    return histories;
}

QJsonArray conditionsToJson(const QList<AlertCondition> &conditions)
{
    QJsonArray array;
    for (const AlertCondition &condition : conditions)
        array.append(
            QJsonObject{{"kind", kindName(condition.kind)}, {"number", condition.number}, {"words", condition.words}});
    return array;
}

QList<AlertCondition> conditionsFromJson(const QJsonArray &array)
{
    QList<AlertCondition> conditions;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        conditions.append({kindNamed(object.value("kind").toString()), object.value("number").toDouble(),
                           object.value("words").toString()});
    }
    return conditions;
}

} // namespace

QString watchedItemsToText(const QList<WatchedItem> &items)
{
    QJsonArray array;
    for (const WatchedItem &item : items) {
        QJsonObject object{{"tab", item.tab},           {"item", item.itemNumber},
                           {"periodMs", item.periodMs}, {"followed", QJsonArray::fromStringList(item.followed)},
                           {"timeLeft", item.timeLeft}, {"histories", historiesToJson(item.histories)}};
        if (item.end)
            object.insert("end", timeText(*item.end));
        if (!item.conditions.isEmpty())
            object.insert("conditions", conditionsToJson(item.conditions));
        if (item.leadElement >= 0) {
            object.insert("lead", item.leadElement);
            object.insert("leadingText", item.leadingText);
            if (item.lead != LeadState::Unknown)
                object.insert("leading", item.lead == LeadState::Leading);
        }
        if (item.ended) {
            object.insert("ended", true);
            object.insert("finalValue", item.finalValue);
        }
        array.append(object);
    }
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
        const std::optional<QDateTime> end = timeFrom(object.value("end"));
        items.append({tab, object.value("item").toString(), qBound(0, object.value("periodMs").toInt(), 65535),
                      followed, object.value("timeLeft").toString(), end, end && object.value("ended").toBool(),
                      object.value("finalValue").toString(), historiesFromJson(object.value("histories").toArray()),
                      conditionsFromJson(object.value("conditions").toArray()),
                      qBound(-1, object.value("lead").toInt(-1), int(followed.size()) - 1),
                      object.value("leadingText").toString(),
                      !object.value("leading").isBool()      ? LeadState::Unknown
                          : object.value("leading").toBool() ? LeadState::Leading
                                                             : LeadState::Outbid});
    }
    return items;
}
