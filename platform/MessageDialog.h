#pragma once

#include <QString>

class QWidget;

// A modal message with one OK button. The caller waits until it is dismissed.
class MessageDialog
{
public:
    enum class Icon { None, Information, Exclamation };

    virtual ~MessageDialog() = default;
    virtual void show(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
};

class QtMessageDialog final : public MessageDialog
{
public:
    void show(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
};
