#pragma once

#include "platform/Notifier.h"

#include <QList>
#include <QStringList>

class RecordingNotifier final : public Notifier
{
    Q_OBJECT

public:
    void notify(const QString &, const QString &message, int tag) override
    {
        messages << message;
        tags << tag;
    }
    void click(int tag) { emit clicked(tag); }

    QStringList messages;
    QList<int> tags;
};
