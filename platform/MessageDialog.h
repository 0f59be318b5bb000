#pragma once

#include <QString>

class QWidget;

// A modal message with one OK button, or a question with Yes and No. The
// caller waits until it is answered.
class MessageDialog
{
public:
    enum class Icon {
        None,
        Information,
        Exclamation
    };

    virtual ~MessageDialog() = default;
    virtual void show(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
    // True for Yes; No is the default button.
    virtual bool ask(QWidget *parent, const QString &text, const QString &title) = 0;
};

class QtMessageDialog final : public MessageDialog
{
public:
    void show(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    bool ask(QWidget *parent, const QString &text, const QString &title) override;
};
