#include "app/core/EndDate.h"

#include "app/core/TimeLeftWords.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

constexpr auto kCaseless = QRegularExpression::CaseInsensitiveOption;
// A date with no year, or a weekday alone, read up to this long after it is
// still that day: the page of an auction just ended shows its end.
constexpr qint64 kJustPastMs = 3600000;

struct Zone
{
    QTimeZone zone;
    bool us = false; // a US site's, which writes dates month first
};

std::optional<Zone> zoneNamed(const QString &name)
{
    // US zones written without their daylight letter take the one in force on the date.
    static const QHash<QString, QByteArray> daylightByDate = {
        {"PT", "America/Los_Angeles"}, {"MT", "America/Denver"}, {"CT", "America/Chicago"}, {"ET", "America/New_York"}};
    static const QHash<QString, int> hoursAhead = {{"PST", -8}, {"PDT", -7}, {"MST", -7}, {"MDT", -6}, {"CST", -6},
                                                   {"CDT", -5}, {"EST", -5}, {"EDT", -4}, {"GMT", 0},  {"UTC", 0},
                                                   {"Z", 0},    {"BST", 1},  {"CET", 1},  {"CEST", 2}, {"MEZ", 1},
                                                   {"MESZ", 2}, {"JST", 9}};
    const QString upper = name.toUpper();
    if (daylightByDate.contains(upper))
        return Zone{QTimeZone(daylightByDate.value(upper)), true};
    const auto known = hoursAhead.constFind(upper);
    if (known != hoursAhead.constEnd())
        return Zone{QTimeZone(*known * 3600), *known <= -4 && *known >= -8}; // those of the US are 4 to 8 h behind
    static const QRegularExpression offset(QStringLiteral("^([+-])(\\d\\d):?(\\d\\d)$"));
    const QRegularExpressionMatch match = offset.match(name);
    const int hours = match.captured(2).toInt();
    const int minutes = match.captured(3).toInt();
    if (!match.hasMatch() || hours > 14 || minutes > 59)
        return std::nullopt;
    return Zone{QTimeZone((match.captured(1) == QLatin1String("-") ? -1 : 1) * (hours * 3600 + minutes * 60))};
}

// The number of the month or weekday whose English name starts with name, or 0.
int numberNamed(const QString &name, int count, QString (QLocale::*nameOf)(int, QLocale::FormatType) const)
{
    for (int number = 1; number <= count; ++number) {
        if (name.size() >= 3
            && (QLocale::c().*nameOf)(number, QLocale::LongFormat).startsWith(name, Qt::CaseInsensitive))
            return number;
    }
    return 0;
}

// 0 for a word meaning today, 1 for tomorrow, -1 for any other text.
int dayWordOffset(const QString &text)
{
    for (const TimeLeftWords &words : timeLeftWords()) {
        if (words.today.contains(text, Qt::CaseInsensitive))
            return 0;
        if (words.tomorrow.contains(text, Qt::CaseInsensitive))
            return 1;
    }
    return -1;
}

// The days a page's date may be, soonest first: one for a full date, the few
// around today for a date with no year or a weekday alone.
struct WrittenDay
{
    QList<QDate> days;
    int weekday = 0; // as written, 0 when none is
    QString problem;
};

WrittenDay dayOfMonth(const QString &weekday, int month, int day, const QString &year, const QDate &today)
{
    WrittenDay written{{}, numberNamed(weekday, 7, &QLocale::dayName), {}};
    if (!weekday.isEmpty() && !written.weekday)
        written.problem = QStringLiteral("\"%1\" is no weekday").arg(weekday);
    for (int y = today.year() - 1; y <= today.year() + 1; ++y)
        written.days << QDate(year.isEmpty() ? y : year.toInt(), month, day);
    if (!year.isEmpty())
        written.days.resize(1);
    return written;
}

// A date in numbers: month first, when a US zone says so or the day tells.
WrittenDay dayInNumbers(const QRegularExpressionMatch &match, const QDate &today, bool usZone)
{
    const int first = match.captured(2).toInt();
    const int second = match.captured(3).toInt();
    const QString date = match.captured(0);
    if (match.captured(4).isEmpty())
        return {{}, 0, QStringLiteral("\"%1\" has no year: it may be written day first").arg(date)};
    if (!usZone && second <= 12)
        return {{}, 0, QStringLiteral("\"%1\" may be written day first or month first").arg(date)};
    return dayOfMonth(match.captured(1), first, second, match.captured(4), today);
}

WrittenDay writtenDay(const QString &text, const QDate &today, bool usZone)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)T?$"));
    static const QRegularExpression named(
        QStringLiteral("^(?:(\\p{L}+)\\.?,? )?(\\p{L}+)\\.? (\\d{1,2})(?:st|nd|rd|th)?(?:,? (\\d{4}))?$"), kCaseless);
    static const QRegularExpression numeric(
        QStringLiteral("^(?:(\\p{L}+)\\.?,? )?(\\d{1,2})/(\\d{1,2})(?:/(\\d{4}))?$"));
    static const QRegularExpression weekday(QStringLiteral("^(\\p{L}+)\\.?$"));
    QRegularExpressionMatch match;
    if ((match = iso.match(text)).hasMatch())
        return {{QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt())}, 0, {}};
    if ((match = named.match(text)).hasMatch())
        return dayOfMonth(match.captured(1), numberNamed(match.captured(2), 12, &QLocale::monthName),
                          match.captured(3).toInt(), match.captured(4), today);
    if ((match = numeric.match(text)).hasMatch())
        return dayInNumbers(match, today, usZone);
    if (const int offset = dayWordOffset(text); offset >= 0)
        return {{today.addDays(offset)}, 0, {}};
    const int day = numberNamed(weekday.match(text).captured(1), 7, &QLocale::dayName);
    if (!day)
        return {{}, 0, QStringLiteral("\"%1\" is no date Gavrin reads").arg(text)};
    WrittenDay written{{}, day, {}};
    for (int offset = -1; offset <= 7; ++offset) {
        if (today.addDays(offset).dayOfWeek() == day)
            written.days << today.addDays(offset);
    }
    return written;
}

// The first of the days at time that is not long past.
AuctionEnd endOn(const WrittenDay &day, const QTime &time, const std::optional<Zone> &zone, qint64 withinMs,
                 const QString &text, const QDateTime &now)
{
    for (const QDate &date : day.days) {
        const QDateTime end = zone ? QDateTime(date, time, zone->zone) : QDateTime(date, time);
        if (!date.isValid() || (day.days.size() > 1 && end < now.addMSecs(-kJustPastMs)))
            continue;
        if (!end.isValid())
            return {std::nullopt, QStringLiteral("\"%1\" falls in the hour the clocks skip").arg(text)};
        if (day.weekday && date.dayOfWeek() != day.weekday)
            return {std::nullopt, QStringLiteral("\"%1\" names the wrong weekday for its date").arg(text)};
        return {end, {}, withinMs};
    }
    return {std::nullopt, QStringLiteral("\"%1\" is no date and time of day").arg(text)};
}

} // namespace

AuctionEnd endDate(const QString &text, bool labelled, const QDateTime &now)
{
    static const QRegularExpression clock(
        QStringLiteral("^(.*?)[ ,]*(?:\\bat |@ ?)?(\\d{1,2}):(\\d\\d)(?::(\\d\\d))?(?: ?([ap])\\.?m\\.?)?"
                       "(?: ?(z|[a-z]{2,5}|[+-]\\d\\d:?\\d\\d))?$"),
        kCaseless);
    const QRegularExpressionMatch match = clock.match(text);
    if (!match.hasMatch())
        return {std::nullopt, QStringLiteral("\"%1\" is neither a time left nor an end date and time").arg(text)};
    if (match.captured(1).isEmpty()) {
        return {
            std::nullopt,
            labelled
                ? QStringLiteral("\"%1\" is a time of day with no date").arg(text)
                : QStringLiteral("\"%1\" is a clock with no label: it may be a time left or a time of day").arg(text)};
    }
    int hour = match.captured(2).toInt();
    const QString halfDay = match.captured(5).toLower();
    if (!halfDay.isEmpty())
        hour = (hour >= 1 && hour <= 12) ? hour % 12 + (halfDay == QLatin1String("p") ? 12 : 0) : -1;
    const QTime time(hour, match.captured(3).toInt(), match.captured(4).toInt());
    if (!time.isValid())
        return {std::nullopt, QStringLiteral("\"%1\" is no date and time of day").arg(text)};

    std::optional<Zone> zone;
    if (const QString zoneText = match.captured(6); !zoneText.isEmpty() && !(zone = zoneNamed(zoneText)))
        return {std::nullopt, QStringLiteral("\"%1\" is no time zone Gavrin knows").arg(zoneText)};
    const QDate today = zone ? now.toTimeZone(zone->zone).date() : now.toLocalTime().date();
    const WrittenDay day = writtenDay(match.captured(1), today, zone && zone->us);
    if (!day.problem.isEmpty())
        return {std::nullopt, day.problem};
    return endOn(day, time, zone, match.captured(4).isEmpty() ? 60000 : 1000, text, now);
}
