#include "app/core/NumberReading.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// Spaces and apostrophes that group thousands: blank, no-break, thin, narrow no-break, figure.
bool isGroupMark(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x2009) || c == QChar(0x202F) || c == QChar(0x2007)
        || c == QLatin1Char('\'');
}

// How the currency around the number writes its decimal point, where it says.
enum class Convention {
    Unsaid,
    PointDecimal, // $, £, US, GBP: 1,234.50
    CommaDecimal  // €, EUR: 1.234,50
};

Convention conventionOf(const QString &text)
{
    static const QRegularExpression commaCurrency(QStringLiteral("€|\\bEUR\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pointCurrency(QStringLiteral("[$£¥]|\\b(US|USD|GBP|AU|AUD|CAD)\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
    if (text.contains(commaCurrency))
        return Convention::CommaDecimal;
    if (text.contains(pointCurrency))
        return Convention::PointDecimal;
    return Convention::Unsaid;
}

// Every group after the first has three digits, the first one to three.
bool groupedInThousands(const QStringList &groups)
{
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    for (int i = 1; i < groups.size(); ++i) {
        if (groups[i].size() != 3)
            return false;
    }
    return true;
}

std::optional<double> toNumber(const QString &digits)
{
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<double> readNumber(const QString &text)
{
    const int start =
        int(std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }) - text.cbegin());
    if (start == text.size())
        return std::nullopt;
    // The number runs on over digits, and over marks that have a digit after them.
    QString run;
    for (int i = start; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool digitNext = i + 1 < text.size() && text[i + 1].isDigit();
        if (c.isDigit())
            run += c;
        else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && digitNext)
            run += c;
        else if (isGroupMark(c) && digitNext)
            continue;
        else
            break;
    }
    const int lastComma = int(run.lastIndexOf(QLatin1Char(',')));
    const int lastPoint = int(run.lastIndexOf(QLatin1Char('.')));
    if (lastComma < 0 && lastPoint < 0)
        return toNumber(run);

    // Which mark is the decimal point, if any, and which groups thousands.
    QChar decimal;
    QChar grouping;
    if (lastComma >= 0 && lastPoint >= 0) {
        // Both marks: the last one is the decimal point.
        decimal = lastComma > lastPoint ? QLatin1Char(',') : QLatin1Char('.');
        grouping = lastComma > lastPoint ? QLatin1Char('.') : QLatin1Char(',');
    } else {
        const QChar mark = lastComma >= 0 ? QLatin1Char(',') : QLatin1Char('.');
        const QStringList groups = run.split(mark);
        // A mark used twice groups thousands; one before other than three digits is decimal.
        bool groups3 = groups.size() > 2;
        if (groups.size() == 2 && groups.last().size() == 3) {
            // One mark before three digits: the currency tells which it is. Without
            // one, a comma groups thousands and a point is decimal, as English
            // sites write prices, so "1,234" is a thousand and more, "1.234" one and a bit.
            const bool commaDecimal = conventionOf(text) == Convention::CommaDecimal;
            groups3 = (mark == QLatin1Char(',')) != commaDecimal;
        }
        (groups3 ? grouping : decimal) = mark;
    }
    QString whole = run;
    QString fraction;
    if (!decimal.isNull()) {
        const int at = int(run.lastIndexOf(decimal));
        whole = run.left(at);
        fraction = run.mid(at + 1);
        // A decimal point comes once; the other mark goes before it.
        if (whole.contains(decimal) || fraction.contains(grouping))
            return std::nullopt;
    }
    if (!grouping.isNull() && whole.contains(grouping) && !groupedInThousands(whole.split(grouping)))
        return std::nullopt;
    whole.remove(grouping);
    return toNumber(fraction.isEmpty() ? whole : whole + QLatin1Char('.') + fraction);
}
