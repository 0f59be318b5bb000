#pragma once

#include "platform/MessageDialog.h"

#include <QList>

// Records messages instead of blocking on them.
class RecordingMessageDialog final : public MessageDialog
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };

    void show(QWidget *, const QString &text, const QString &title, Icon icon) override
    {
        shown << Message{text, title, icon};
    }

    QList<Message> shown;
};
