#pragma once

#include "platform/MessageDialog.h"

#include <QList>

// Records messages and questions instead of blocking on them; questions get
// the answer the test set.
class RecordingMessageDialog final : public MessageDialog
{
public:
    struct Message
    {
        QString text, title;
        Icon icon;
    };

    void show(QWidget *, const QString &text, const QString &title, Icon icon) override
    {
        shown << Message{text, title, icon};
    }
    bool ask(QWidget *, const QString &text, const QString &title) override
    {
        asked << Message{text, title, Icon::None};
        return answer;
    }

    QList<Message> shown;
    QList<Message> asked;
    bool answer = false;
};
