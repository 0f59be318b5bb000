#include "platform/core/PushMessage.h"

#include <QJsonDocument>
#include <QJsonObject>

QUrl pushUrl(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    const bool http = text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive);
    const bool https = text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    QUrl url(http || https ? text : QStringLiteral("https://") + text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()
        || (!http && url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0))
        return {};
    return url;
}

QString topicText(const PushMessage &message)
{
    QStringList details;
    if (!message.value.isEmpty())
        details << message.value;
    if (!message.timeLeft.isEmpty())
        details << QStringLiteral("%1 left").arg(message.timeLeft);
    return details.isEmpty() ? message.event : message.event + QLatin1Char('\n') + details.join(QLatin1String(", "));
}

QByteArray webhookBody(const PushMessage &message)
{
    const QJsonObject body{{QStringLiteral("item"), message.item},         {QStringLiteral("title"), message.title},
                           {QStringLiteral("event"), message.event},       {QStringLiteral("value"), message.value},
                           {QStringLiteral("timeLeft"), message.timeLeft}, {QStringLiteral("page"), message.page}};
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}
