#include "app/core/Lead.h"

LeadState readLead(const QString &elementText, const QString &leadingText)
{
    const QString shown = elementText.simplified().toCaseFolded();
    const QString leading = leadingText.simplified().toCaseFolded();
    if (shown.isEmpty() || leading.isEmpty())
        return LeadState::Unknown;
    return shown.contains(leading) ? LeadState::Leading : LeadState::Outbid;
}

QString leadText(LeadState state)
{
    switch (state) {
    case LeadState::Unknown:
        break;
    case LeadState::Leading:
        return QStringLiteral("Leading");
    case LeadState::Outbid:
        return QStringLiteral("Outbid");
    }
    return {};
}

bool LeadWatch::observe(LeadState now)
{
    if (now == LeadState::Unknown)
        return false;
    const bool lost = m_state == LeadState::Leading && now == LeadState::Outbid;
    m_state = now;
    return lost;
}
