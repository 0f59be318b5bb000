#pragma once

#include <QList>
#include <QString>

// What a watch tab may push to the user's phone as well as tell on the desktop.
enum class AlertEvent {
    Outbid,
    ConditionMet,
    EndingSoon,
    Ended,
    StoppedUpdating
};

const QList<AlertEvent> &alertEvents();
// As kept in the push settings: "outbid", "condition-met"...
QString alertEventName(AlertEvent event);
// As the settings show it: "Outbid", "A condition met"...
QString alertEventLabel(AlertEvent event);
// How urgent a push of it is, 1 to 5 as ntfy takes it.
int alertEventPriority(AlertEvent event);
