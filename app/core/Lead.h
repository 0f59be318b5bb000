#pragma once

#include <QString>

// Whether the user leads the bidding on an item, read from the element of its
// page that says who leads ("You're the highest bidder", "high bidder m***e").
enum class LeadState {
    Unknown, // the element shows nothing, or the user gave no text meaning they lead
    Leading,
    Outbid
};

// The element shows the user's "I lead" text (case and blanks folded):
// leading; it shows something else: outbid.
LeadState readLead(const QString &elementText, const QString &leadingText);
// "Leading", "Outbid", or empty.
QString leadText(LeadState state);

// The lead read after each load. An element that shows nothing for a while
// leaves the lead as it was last known.
class LeadWatch
{
public:
    explicit LeadWatch(LeadState known = LeadState::Unknown)
        : m_state(known)
    {
    }
    LeadState state() const { return m_state; }
    // True when the lead was lost: outbid after leading.
    bool observe(LeadState now);

private:
    LeadState m_state;
};
