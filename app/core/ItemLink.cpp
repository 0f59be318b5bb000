#include "app/core/ItemLink.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

bool isNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch();
}

std::optional<QString> numberOf(const QString &text)
{
    if (isNumber(text))
        return text;
    return std::nullopt;
}

} // namespace

std::optional<QString> itemNumberFromLink(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return std::nullopt;

    QStringList segments = url.path().split(QLatin1Char('/'));
    if (!segments.isEmpty() && segments.last().isEmpty())
        segments.removeLast();
    const int itm = segments.indexOf(QStringLiteral("itm"));
    if (itm >= 0) {
        // "itm/<number>" or "itm/<title>/<number>".
        const int after = segments.size() - 1 - itm;
        return after == 1 || after == 2 ? numberOf(segments.last()) : std::nullopt;
    }

    for (const QString &query : {url.query(), segments.value(segments.size() - 1)}) {
        const QUrlQuery items(query);
        if (items.hasQueryItem(QStringLiteral("item")))
            return numberOf(items.queryItemValue(QStringLiteral("item")));
    }
    return std::nullopt;
}
