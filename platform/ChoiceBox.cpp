#include "platform/ChoiceBox.h"

#include <QLineEdit>

namespace {

// QLineEdit keeps this many pixels clear on either side of its text, and one
// more for the caret after it.
constexpr int kLineEditTextMargin = 2;
constexpr int kCaretWidth = 1;
constexpr qreal kSmallestPointSize = 6;

} // namespace

ChoiceBox::ChoiceBox(const QStringList &entries, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The box's own reaction to a finished edit looks the text up in the list
    // and picks the entry it finds.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    addItems(entries);
}

void ChoiceBox::setText(const QString &text)
{
    const int entry = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0)
        setCurrentIndex(entry);
    else
        setCurrentText(text);
}

void ChoiceBox::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    fitEntriesToField();
}

void ChoiceBox::fitEntriesToField()
{
    const int room = lineEdit()->contentsRect().width() - 2 * kLineEditTextMargin - kCaretWidth;
    QFont font = this->font();
    const auto widest = [this](const QFontMetrics &metrics) {
        int width = 0;
        for (int entry = 0; entry < count(); ++entry)
            width = qMax(width, metrics.horizontalAdvance(itemText(entry)));
        return width;
    };
    while (font.pointSizeF() > kSmallestPointSize && widest(QFontMetrics(font)) > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    lineEdit()->setFont(font);
}
