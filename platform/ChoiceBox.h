#pragma once

#include <QComboBox>

// A drop-down choice box whose text is exactly what was picked or typed. Qt's
// editable box completes typed text, folds its letter case to an entry's and
// picks that entry when the field is left or Enter is pressed; here typing
// changes the text only, and `activated` means a pick from the list (or by
// the arrow keys) and nothing else. Every entry shows whole in the text
// field: where the box is too narrow for its font, the field's font shrinks.
class ChoiceBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceBox(const QStringList &entries, QWidget *parent = nullptr);

    // Shows text with its entry chosen when it is one, so the list opens there.
    void setText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitEntriesToField();
};
