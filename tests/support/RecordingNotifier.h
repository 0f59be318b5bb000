#pragma once

#include "platform/Notifier.h"

#include <QStringList>

class RecordingNotifier final : public Notifier
{
public:
    void notify(const QString &, const QString &message) override { messages << message; }

    QStringList messages;
};
