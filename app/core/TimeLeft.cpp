#include "app/core/TimeLeft.h"

#include "app/core/EndDate.h"
#include "app/core/TimeLeftWords.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr qint64 kUnitMs[] = {86400000, 3600000, 60000, 1000};

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
