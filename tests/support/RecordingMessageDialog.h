#pragma once

#include "platform/MessageDialog.h"

#include <QStringList>

// Records messages and questions instead of blocking on them; questions get
// the answer the test set.
class RecordingMessageDialog final : public MessageDialog
{
public:
    void show(QWidget *, const QString &text, const QString &, Icon) override { shown << text; }
    bool ask(QWidget *, const QString &text, const QString &) override
    {
        asked << text;
        return answer;
    }

    QStringList shown;
    QStringList asked;
    bool answer = false;
};
