#include "app/ConditionDialog.h"

#include "app/core/NumberReading.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Kind = AlertCondition::Kind;

const std::pair<Kind, const char *> kKinds[] = {
    {Kind::AnyChange, "Any change"},
    {Kind::Above, "Goes above"},
    {Kind::Below, "Goes below"},
    {Kind::ChangesByAmount, "Changes by more than (amount)"},
    {Kind::ChangesByPercent, "Changes by more than (%)"},
    {Kind::Contains, "Comes to contain the words"},
    {Kind::StopsContaining, "Stops containing the words"},
};

} // namespace

ConditionDialog::ConditionDialog(const AlertCondition &initial, const QString &shown, QWidget *parent)
    : QDialog(parent)
    , m_shown(shown.simplified())
    , m_kind(new QComboBox(this))
    , m_number(new QLineEdit(this))
    , m_words(new QLineEdit(this))
    , m_reading(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(QStringLiteral("Alert me when"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_kind->setObjectName(QStringLiteral("conditionKind"));
    m_number->setObjectName(QStringLiteral("conditionNumber"));
    m_words->setObjectName(QStringLiteral("conditionWords"));
    for (const auto &[kind, label] : kKinds)
        m_kind->addItem(QString::fromLatin1(label), int(kind));
    m_kind->setCurrentIndex(m_kind->findData(int(initial.kind)));
    if (readsNumber(initial.kind))
        m_number->setText(QLocale::c().toString(initial.number, 'f', QLocale::FloatingPointShortest));
    m_words->setText(initial.words);
    m_number->setPlaceholderText(QStringLiteral("1,000.00"));

    auto *form = new QFormLayout(this);
    auto *shownLabel = new QLabel(m_shown, this);
    shownLabel->setObjectName(QStringLiteral("conditionShown"));
    form->addRow(QStringLiteral("It shows now:"), shownLabel);
    form->addRow(QStringLiteral("Alert me when it:"), m_kind);
    form->addRow(QStringLiteral("Number:"), m_number);
    form->addRow(QStringLiteral("Words:"), m_words);
    form->addRow(m_reading);
    form->addRow(m_buttons);

    connect(m_kind, &QComboBox::currentIndexChanged, this, &ConditionDialog::showKind);
    connect(m_number, &QLineEdit::textChanged, this, &ConditionDialog::showKind);
    connect(m_words, &QLineEdit::textChanged, this, &ConditionDialog::showKind);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (const auto chosenCondition = condition()) {
            emit chosen(*chosenCondition);
            accept();
        }
    });
    showKind();
}

void ConditionDialog::showKind()
{
    const auto kind = Kind(m_kind->currentData().toInt());
    m_number->setEnabled(readsNumber(kind));
    m_words->setEnabled(kind == Kind::Contains || kind == Kind::StopsContaining);
    // A number condition on a text that shows no number is never met: the user hears of it now.
    if (readsNumber(kind)) {
        const std::optional<double> now = readNumber(m_shown);
        m_reading->setText(now ? QStringLiteral("Read as the number %1").arg(QLocale::c().toString(*now, 'f', 2))
                               : QStringLiteral("This cannot be read as a number"));
    } else {
        m_reading->clear();
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(condition().has_value());
}

std::optional<AlertCondition> ConditionDialog::condition() const
{
    AlertCondition chosenCondition{Kind(m_kind->currentData().toInt())};
    if (readsNumber(chosenCondition.kind)) {
        const std::optional<double> number = readNumber(m_number->text());
        if (!number)
            return std::nullopt;
        chosenCondition.number = *number;
    } else if (chosenCondition.kind != Kind::AnyChange) {
        if (m_words->text().simplified().isEmpty())
            return std::nullopt;
        chosenCondition.words = m_words->text().simplified();
    }
    return chosenCondition;
}
