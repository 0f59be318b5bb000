#pragma once

#include "app/core/AlertCondition.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Asks when a followed element's change is worth telling: any change, its
// number above or below a limit or moving by an amount or a percentage, or
// its text coming to contain or ceasing to contain words. Not modal: it is
// shown, and what the user settles on comes out as chosen().
class ConditionDialog final : public QDialog
{
    Q_OBJECT

public:
    // shown: the element's text now, to say whether it reads as a number.
    ConditionDialog(const AlertCondition &initial, const QString &shown, QWidget *parent = nullptr);

signals:
    void chosen(const AlertCondition &condition);

private:
    void showKind();
    std::optional<AlertCondition> condition() const;

    QString m_shown;
    QComboBox *m_kind;
    QLineEdit *m_number;
    QLineEdit *m_words;
    QLabel *m_reading;
    QDialogButtonBox *m_buttons;
};
