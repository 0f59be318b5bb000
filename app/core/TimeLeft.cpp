#include "app/core/TimeLeft.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>

namespace {

constexpr auto kCaseless = QRegularExpression::CaseInsensitiveOption;

// The text without its label and its trailing "left", spaces simplified.
QString withoutLabel(const QString &text)
{
    static const QRegularExpression label(
        QStringLiteral("^(?:time (?:left|remaining)|ends(?: in)?|ending(?: in)?) ?:? ?"), kCaseless);
    static const QRegularExpression left(QStringLiteral(" (?:left|remaining)$"), kCaseless);
    return text.simplified().remove(label).remove(left);
}

std::optional<qint64> durationMs(const QString &text)
{
    static const QRegularExpression duration(
        QStringLiteral("^(?:(\\d{1,5}) ?(?:d|days?))?,? ?(?:(\\d{1,5}) ?(?:h|hrs?|hours?))?,? ?"
                       "(?:(\\d{1,5}) ?(?:m|mins?|minutes?))?,? ?(?:(\\d{1,5}) ?(?:s|secs?|seconds?))?$"),
        kCaseless);
    const QRegularExpressionMatch match = duration.match(text);
    if (match.lastCapturedIndex() < 1) // no number, or no match at all
        return std::nullopt;
    const qint64 unitMs[] = {86400000, 3600000, 60000, 1000};
    qint64 ms = 0;
    for (int unit = 0; unit < 4; ++unit)
        ms += match.captured(unit + 1).toLongLong() * unitMs[unit];
    return ms;
}

std::optional<QTimeZone> zoneNamed(const QString &name)
{
    static const QHash<QString, int> hoursAhead = {{"PST", -8}, {"PDT", -7}, {"MST", -7}, {"MDT", -6}, {"CST", -6},
                                                   {"CDT", -5}, {"EST", -5}, {"EDT", -4}, {"GMT", 0},  {"UTC", 0},
                                                   {"Z", 0},    {"BST", 1},  {"CET", 1},  {"CEST", 2}};
    const auto known = hoursAhead.constFind(name.toUpper());
    if (known != hoursAhead.constEnd())
        return QTimeZone(*known * 3600);
    static const QRegularExpression offset(QStringLiteral("^([+-])(\\d\\d):?(\\d\\d)$"));
    const QRegularExpressionMatch match = offset.match(name);
    const int hours = match.captured(2).toInt();
    const int minutes = match.captured(3).toInt();
    if (!match.hasMatch() || hours > 14 || minutes > 59)
        return std::nullopt;
    return QTimeZone((match.captured(1) == QLatin1String("-") ? -1 : 1) * (hours * 3600 + minutes * 60));
}

int monthNamed(const QString &name)
{
    for (int month = 1; month <= 12; ++month) {
        if (name.size() >= 3 && QLocale::c().monthName(month).startsWith(name, Qt::CaseInsensitive))
            return month;
    }
    return 0;
}

// A date, a time and its zone as the page wrote them, or why not.
AuctionEnd endDate(const QString &text)
{
    // A time of day, maybe on a 12-hour clock, and maybe a zone.
    static const QString clock = QStringLiteral("(\\d{1,2}):(\\d\\d)(?::(\\d\\d))?(?: ?(am|pm))?(?: ?(\\S+))?$");
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)[T ]") + clock, kCaseless);
    static const QRegularExpression named(QStringLiteral("^([a-z]+)\\.? (\\d{1,2}),? (\\d{4}),? ") + clock, kCaseless);

    QDate date;
    QRegularExpressionMatch match = iso.match(text);
    if (match.hasMatch()) {
        date = QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    } else if ((match = named.match(text)).hasMatch()) {
        date = QDate(match.captured(3).toInt(), monthNamed(match.captured(1)), match.captured(2).toInt());
    } else {
        return {std::nullopt, QStringLiteral("\"%1\" is neither a time left nor an end date and time").arg(text)};
    }

    int hour = match.captured(4).toInt();
    const QString halfDay = match.captured(7).toLower();
    if (!halfDay.isEmpty())
        hour = (hour >= 1 && hour <= 12) ? hour % 12 + (halfDay == QLatin1String("pm") ? 12 : 0) : -1;
    const QTime time(hour, match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return {std::nullopt, QStringLiteral("\"%1\" is no date and time of day").arg(text)};

    const QString zoneText = match.captured(8);
    if (zoneText.isEmpty()) {
        const QDateTime local(date, time);
        if (!local.isValid())
            return {std::nullopt, QStringLiteral("\"%1\" falls in the hour the clocks skip").arg(text)};
        return {local, {}};
    }
    const std::optional<QTimeZone> zone = zoneNamed(zoneText);
    if (!zone)
        return {std::nullopt, QStringLiteral("\"%1\" is no time zone Gavrin knows").arg(zoneText)};
    return {QDateTime(date, time, *zone), {}};
}

} // namespace

AuctionEnd auctionEnd(const QString &text, const QDateTime &now)
{
    const QString read = withoutLabel(text);
    if (read.isEmpty())
        return {std::nullopt, QStringLiteral("The element shows no time left")};
    if (const std::optional<qint64> ms = durationMs(read))
        return {now.addMSecs(*ms), {}};
    return endDate(read);
}

QString timeLeftText(const QDateTime &now, const QDateTime &end)
{
    const qint64 seconds = std::max<qint64>(0, (now.msecsTo(end) + 999) / 1000);
    const struct
    {
        qint64 seconds;
        const char *unit;
    } units[] = {{86400, "d"}, {3600, "h"}, {60, "m"}, {1, "s"}};
    for (int i = 0; i < 3; ++i) {
        if (seconds >= units[i].seconds) {
            return QStringLiteral("%1%2 %3%4")
                .arg(seconds / units[i].seconds)
                .arg(QLatin1String(units[i].unit))
                .arg(seconds % units[i].seconds / units[i + 1].seconds)
                .arg(QLatin1String(units[i + 1].unit));
        }
    }
    return QStringLiteral("%1s").arg(seconds);
}
