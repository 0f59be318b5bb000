#include "app/core/AlertCondition.h"

#include "app/core/NumberReading.h"

#include <QLocale>
#include <cmath>

namespace {

struct KindName
{
    AlertCondition::Kind kind;
    const char *name;
};

const KindName kKindNames[] = {
    {AlertCondition::Kind::AnyChange, "any-change"},
    {AlertCondition::Kind::Above, "above"},
    {AlertCondition::Kind::Below, "below"},
    {AlertCondition::Kind::ChangesByAmount, "changes-by-amount"},
    {AlertCondition::Kind::ChangesByPercent, "changes-by-percent"},
    {AlertCondition::Kind::Contains, "contains"},
    {AlertCondition::Kind::StopsContaining, "stops-containing"},
};

// Case and blanks folded, so that "Reserve  met" is found in "RESERVE MET".
bool containsWords(const QString &text, const QString &words)
{
    return text.simplified().toCaseFolded().contains(words.simplified().toCaseFolded());
}

QString numberText(double number)
{
    return QLocale::c().toString(number, 'f', QLocale::FloatingPointShortest);
}

} // namespace

bool readsNumber(AlertCondition::Kind kind)
{
    return kind == AlertCondition::Kind::Above || kind == AlertCondition::Kind::Below
        || kind == AlertCondition::Kind::ChangesByAmount || kind == AlertCondition::Kind::ChangesByPercent;
}

QString conditionText(const AlertCondition &condition)
{
    const QString number = numberText(condition.number);
    switch (condition.kind) {
    case AlertCondition::Kind::AnyChange:
        break;
    case AlertCondition::Kind::Above:
        return QStringLiteral("above %1").arg(number);
    case AlertCondition::Kind::Below:
        return QStringLiteral("below %1").arg(number);
    case AlertCondition::Kind::ChangesByAmount:
        return QStringLiteral("changes by more than %1").arg(number);
    case AlertCondition::Kind::ChangesByPercent:
        return QStringLiteral("changes by more than %1 %").arg(number);
    case AlertCondition::Kind::Contains:
        return QStringLiteral("contains \"%1\"").arg(condition.words.simplified());
    case AlertCondition::Kind::StopsContaining:
        return QStringLiteral("stops containing \"%1\"").arg(condition.words.simplified());
    }
    return {};
}

QString kindName(AlertCondition::Kind kind)
{
    for (const KindName &one : kKindNames) {
        if (one.kind == kind)
            return QLatin1String(one.name);
    }
    return {};
}

AlertCondition::Kind kindNamed(const QString &name)
{
    for (const KindName &one : kKindNames) {
        if (name == QLatin1String(one.name))
            return one.kind;
    }
    return AlertCondition::Kind::AnyChange;
}

ConditionWatch::Result ConditionWatch::observe(const QString &before, const QString &after)
{
    using Kind = AlertCondition::Kind;
    const Kind kind = m_condition.kind;
    if (kind == Kind::AnyChange)
        return Result::Met;
    if (kind == Kind::Contains)
        return !containsWords(before, m_condition.words) && containsWords(after, m_condition.words) ? Result::Met
                                                                                                    : Result::NotMet;
    if (kind == Kind::StopsContaining)
        return containsWords(before, m_condition.words) && !containsWords(after, m_condition.words) ? Result::Met
                                                                                                    : Result::NotMet;
    const std::optional<double> now = readNumber(after);
    if (!now)
        return Result::NotANumber;
    if (kind == Kind::Above || kind == Kind::Below) {
        const auto beyond = [&](double value) {
            return kind == Kind::Above ? value > m_condition.number : value < m_condition.number;
        };
        if (!m_wasBeyond) {
            const std::optional<double> then = readNumber(before);
            m_wasBeyond = then && beyond(*then);
        }
        const bool crossed = beyond(*now) && !*m_wasBeyond;
        m_wasBeyond = beyond(*now);
        return crossed ? Result::Met : Result::NotMet;
    }
    if (!m_movedFrom)
        m_movedFrom = readNumber(before);
    if (!m_movedFrom) {
        m_movedFrom = now;
        return Result::NotMet;
    }
    const double moved = std::abs(*now - *m_movedFrom);
    const bool met = kind == Kind::ChangesByAmount
        ? moved > m_condition.number
        : (*m_movedFrom == 0 ? moved > 0 : moved * 100 / std::abs(*m_movedFrom) > m_condition.number);
    if (met)
        m_movedFrom = now;
    return met ? Result::Met : Result::NotMet;
}
