#include "platform/core/SiteAnswers.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace {

constexpr qint64 kFirstGuessMs = 60000;
constexpr qint64 kLongestGuessMs = 30 * 60000;

// "Sun, 06 Nov 1994 08:49:37 GMT", the form HTTP dates are sent in.
QDateTime httpDate(const QString &value)
{
    QDateTime date = QLocale::c().toDateTime(value.trimmed(), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    date.setTimeSpec(Qt::UTC);
    return date;
}

} // namespace

QString loadErrorText(const QString &engineText, int httpStatus)
{
    if (httpStatus > 0)
        return QStringLiteral("HTTP %1").arg(httpStatus);
    QString text = engineText;
    for (const QString &prefix : {QStringLiteral("net::"), QStringLiteral("ERR_")}) {
        if (text.startsWith(prefix))
            text.remove(0, prefix.size());
    }
    return text.replace(QLatin1Char('_'), QLatin1Char(' ')).toLower();
}

bool mayAskToWait(int httpStatus)
{
    return httpStatus == 429 || httpStatus == 503;
}

std::optional<qint64> retryAfterMs(const QString &value, const QDateTime &now)
{
    bool isNumber = false;
    const qint64 seconds = value.trimmed().toLongLong(&isNumber);
    if (isNumber && seconds >= 0)
        return seconds * 1000;
    const QDateTime date = httpDate(value);
    if (!date.isValid())
        return std::nullopt;
    return std::max<qint64>(0, now.msecsTo(date));
}

std::optional<qint64> siteWaitMs(int httpStatus, const std::optional<qint64> &asked, qint64 lastGuessMs)
{
    if (asked)
        return asked;
    if (httpStatus != 429)
        return std::nullopt;
    return lastGuessMs <= 0 ? kFirstGuessMs : std::min(2 * lastGuessMs, kLongestGuessMs);
}
