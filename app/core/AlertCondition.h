#pragma once

#include <QString>
#include <optional>

// When a followed element's change is worth telling.
struct AlertCondition
{
    enum class Kind {
        AnyChange,
        Above,            // its number comes above `number`
        Below,            // its number comes below `number`
        ChangesByAmount,  // its number moves by more than `number`
        ChangesByPercent, // its number moves by more than `number` per cent
        Contains,         // its text comes to contain `words`
        StopsContaining   // its text stops containing `words`
    };
    Kind kind = Kind::AnyChange;
    double number = 0;
    QString words;

    bool operator==(const AlertCondition &other) const
    {
        return kind == other.kind && number == other.number && words == other.words;
    }
    bool operator!=(const AlertCondition &other) const { return !(*this == other); }
};

// Whether a condition reads the element's text as a number.
bool readsNumber(AlertCondition::Kind kind);
// "above 1,000", "changes by more than 5 %", "contains \"reserve met\"": for
// the tab and the overview; empty for any change.
QString conditionText(const AlertCondition &condition);
// As kept: "above", "changes-by-percent"...; an unknown name reads as any change.
QString kindName(AlertCondition::Kind kind);
AlertCondition::Kind kindNamed(const QString &name);

// A condition applied to the changes of one element, with what it remembers
// between them.
class ConditionWatch
{
public:
    enum class Result {
        Met,
        NotMet,
        NotANumber // a number condition on text that shows none: never met
    };

    ConditionWatch() = default;
    explicit ConditionWatch(const AlertCondition &condition)
        : m_condition(condition)
    {
    }
    const AlertCondition &condition() const { return m_condition; }

    // The element's text changed from before to after. Above and below are met
    // when the number crosses the limit, not again while it stays beyond; a
    // move by an amount or a percentage is measured from the number when it
    // was last met (or first read), so that small steps add up.
    Result observe(const QString &before, const QString &after);

private:
    AlertCondition m_condition;
    std::optional<bool> m_wasBeyond;   // above/below: whether the last number read was beyond the limit
    std::optional<double> m_movedFrom; // by amount/percent: where the move is measured from
};
