#include "app/core/AlertEvents.h"

namespace {

struct EventWords
{
    const char *name;
    const char *label;
    int priority;
};

EventWords wordsOf(AlertEvent event)
{
    switch (event) {
    case AlertEvent::Outbid:
        return {"outbid", "Outbid", 5};
    case AlertEvent::ConditionMet:
        return {"condition-met", "A condition met", 4};
    case AlertEvent::EndingSoon:
        return {"ending-soon", "Ending soon", 4};
    case AlertEvent::Ended:
        return {"ended", "Ended", 3};
    case AlertEvent::StoppedUpdating:
        return {"stopped-updating", "A tab stopped updating", 3};
    }
    return {"", "", 3};
}

} // namespace

const QList<AlertEvent> &alertEvents()
{
    static const QList<AlertEvent> all = {AlertEvent::Outbid, AlertEvent::ConditionMet, AlertEvent::EndingSoon,
                                          AlertEvent::Ended, AlertEvent::StoppedUpdating};
    return all;
}

QString alertEventName(AlertEvent event)
{
    return QLatin1String(wordsOf(event).name);
}

QString alertEventLabel(AlertEvent event)
{
    return QLatin1String(wordsOf(event).label);
}

int alertEventPriority(AlertEvent event)
{
    return wordsOf(event).priority;
}
