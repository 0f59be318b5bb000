#include "app/core/TimeLeft.h"

#include "app/core/TimeLeftWords.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr auto kCaseless = QRegularExpression::CaseInsensitiveOption;
constexpr qint64 kUnitMs[] = {86400000, 3600000, 60000, 1000};
// A date with no year, or a weekday alone, read up to this long after it is
// still that day: the page of an auction just ended shows its end.
constexpr qint64 kJustPastMs = 3600000;

using Languages = QList<const TimeLeftWords *>;

// The text once its label is taken off.
struct Labelled
{
    QString rest;
    Languages languages; // those the label is in; all when there is none
    bool labelled = false;
    bool clockIsLeft = false; // after a label meaning "left", a clock is a time left
};

// The size of the longest of words the text starts with as a whole word, or 0.
int startingWordSize(const QString &text, const QStringList &words)
{
    int longest = 0;
    for (const QString &word : words) {
        const QChar next = text.size() > word.size() ? text.at(word.size()) : QChar();
        if (word.size() > longest && next.script() != QChar::Script_Latin && text.startsWith(word, Qt::CaseInsensitive))
            longest = word.size();
    }
    return longest;
}

Labelled withoutLabel(const QString &text)
{
    Labelled read{text, {}, false, false};
    int longest = 0;
    for (const TimeLeftWords &words : timeLeftWords()) {
        const int left = startingWordSize(text, words.leftLabels);
        const int size = std::max(left, startingWordSize(text, words.endLabels));
        if (size == 0 || size < longest)
            continue;
        if (size > longest) {
            read.languages.clear();
            read.clockIsLeft = true;
            longest = size;
        }
        read.languages << &words;
        // A label that means "left" in one language and an end in another tells nothing.
        read.clockIsLeft = read.clockIsLeft && left == size;
    }
    if (longest == 0) {
        for (const TimeLeftWords &words : timeLeftWords())
            read.languages << &words;
        read.clockIsLeft = false;
        return read;
    }
    static const QRegularExpression colon(QStringLiteral("^ ?[:：]? ?"));
    read.rest = text.mid(longest).remove(colon);
    read.labelled = true;
    return read;
}

// The time left without the word after it ("left", "kvar"), which tells its
// languages when no label did, and that a clock is a time left.
Labelled withoutLeftAfter(Labelled read)
{
    Languages after;
    QString rest;
    for (const TimeLeftWords *words : std::as_const(read.languages)) {
        for (const QString &word : words->leftAfter) {
            if (read.rest.endsWith(QLatin1Char(' ') + word, Qt::CaseInsensitive)) {
                after << words;
                rest = read.rest.chopped(word.size() + 1);
            }
        }
    }
    if (after.isEmpty())
        return read;
    read.rest = rest;
    read.clockIsLeft = true;
    if (!read.labelled)
        read.languages = after;
    return read;
}

struct Duration
{
    qint64 ms = 0;
    qint64 unitMs = 0; // the smallest unit written
};

// Numbers with units of one language, largest first, each at most once:
// "3d 05h", "2 Std. 40 Min.", "3日5時間".
std::optional<Duration> durationIn(const QString &text, const TimeLeftWords &words)
{
    static const QRegularExpression part(QStringLiteral("[ ,]*(\\d{1,5}) ?([^\\d\\s,.]+)\\.?"));
    Duration read;
    int lastUnit = -1;
    for (int at = 0; at < text.size();) {
        const QRegularExpressionMatch match =
            part.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        const QString unitWord = match.captured(2).toLower();
        int unit = 0;
        while (unit < 4 && !words.units[unit].contains(unitWord))
            ++unit;
        if (!match.hasMatch() || unit == 4 || unit <= lastUnit)
            return std::nullopt;
        read.ms += match.captured(1).toLongLong() * kUnitMs[unit];
        read.unitMs = kUnitMs[unit];
        lastUnit = unit;
        at = match.capturedEnd();
    }
    if (lastUnit < 0)
        return std::nullopt;
    return read;
}

// The end after a time left in units, the same in every language it may be read in.
std::optional<AuctionEnd> durationEnd(const QString &text, const Languages &languages, const QDateTime &now)
{
    std::optional<Duration> read;
    for (const TimeLeftWords *words : languages) {
        const std::optional<Duration> in = durationIn(text, *words);
        if (read && in && in->ms != read->ms)
            return AuctionEnd{std::nullopt,
                              QStringLiteral("\"%1\" means different times in different languages").arg(text)};
        if (in)
            read = in;
    }
    if (!read)
        return std::nullopt;
    return AuctionEnd{now.addMSecs(read->ms), {}, read->unitMs};
}

// A countdown clock after a label meaning "left": "01:05:09".
std::optional<AuctionEnd> clockEnd(const QString &text, const QDateTime &now)
{
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,3}):([0-5]\\d)(?::([0-5]\\d))?$"));
    const QRegularExpressionMatch match = clock.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    if (match.captured(3).isEmpty())
        return AuctionEnd{std::nullopt,
                          QStringLiteral("\"%1\" may be hours and minutes or minutes and seconds").arg(text)};
    const qint64 seconds =
        match.captured(1).toLongLong() * 3600 + match.captured(2).toInt() * 60 + match.captured(3).toInt();
    return AuctionEnd{now.addSecs(seconds), {}, 1000};
}

// The end after a time left; none when the text is no time left.
std::optional<AuctionEnd> timeLeftEnd(const Labelled &label, const QDateTime &now)
{
    const Labelled read = withoutLeftAfter(label);
    if (std::optional<AuctionEnd> end = durationEnd(read.rest, read.languages, now))
        return end;
    if (read.clockIsLeft)
        return clockEnd(read.rest, now);
    return std::nullopt;
}

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

// An end written as a day and a time of day, maybe on a 12-hour clock, maybe in a zone.
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

// A time left with its end written beside it: "3d 05h left (Fri, 10:15 PM)",
// "4d 11h | Tuesday, 07:20 AM". The written end is the more precise.
std::optional<AuctionEnd> withEndBeside(const Labelled &label, const QDateTime &now)
{
    static const QRegularExpression beside(QStringLiteral("^(.+?) ?(?:\\((.+)\\)|\\| ?(.+))$"));
    const QRegularExpressionMatch match = beside.match(label.rest);
    if (!match.hasMatch())
        return std::nullopt;
    Labelled timeLeft = label;
    timeLeft.rest = match.captured(1);
    const std::optional<AuctionEnd> left = timeLeftEnd(timeLeft, now);
    if (!left || !left->end)
        return left;
    const QString endText = match.captured(2) + match.captured(3);
    const AuctionEnd written = endDate(endText, true, now);
    if (!written.end) // something else beside the time left
        return left;
    if (std::abs(left->end->msecsTo(*written.end)) > std::max(left->withinMs, written.withinMs)) {
        return AuctionEnd{
            std::nullopt,
            QStringLiteral("The time left \"%1\" and the end \"%2\" beside it disagree").arg(timeLeft.rest, endText)};
    }
    return written;
}

} // namespace

AuctionEnd auctionEnd(const QString &text, const QDateTime &now)
{
    const Labelled read = withoutLabel(text.simplified());
    if (read.rest.isEmpty())
        return {std::nullopt, QStringLiteral("The element shows no time left")};
    if (std::optional<AuctionEnd> end = withEndBeside(read, now))
        return *end;
    if (std::optional<AuctionEnd> end = timeLeftEnd(read, now))
        return *end;
    return endDate(read.rest, read.labelled, now);
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
