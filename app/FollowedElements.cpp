#include "app/FollowedElements.h"

#include "platform/PageElements.h"

#include <QDateTime>
#include <algorithm>

namespace {

// The tooltip has room for the last few changes of each element.
constexpr int kChangesInToolTip = 3;
// The page's elements are read under keys; the time left's is this one.
constexpr int kTimeLeftKey = 0;
// The entries of the page's context menu, in order: following an element and
// its time left first, where the hand knows them.
enum MenuEntry {
    AlertOnChange,
    ShowsTimeLeft,
    AlertOnCondition,
    SaysWhoLeads,
    StopAlerting
};
const QStringList kMenuEntries = {QStringLiteral("Alert me when this changes"),
                                  QStringLiteral("This shows the time left"), QStringLiteral("Alert me when..."),
                                  QStringLiteral("This says whether I lead"), QStringLiteral("Stop alerting")};

} // namespace

FollowedElements::FollowedElements(PageElements *page, std::function<bool()> showsItem, QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_showsItem(std::move(showsItem))
{
    offerMenuEntries();
    connect(m_page, &PageElements::picked, this, &FollowedElements::picked);
    connect(m_page, &PageElements::elementRead, this, &FollowedElements::elementRead);
    connect(m_page, &PageElements::loadRead, this, &FollowedElements::pageRead);
}

QString FollowedElements::firstValue() const
{
    return m_followed.isEmpty() ? QString() : m_followed.first().history.lastValue();
}

QString FollowedElements::price() const
{
    for (const Followed &followed : m_followed) {
        if (followed.key != m_leadKey)
            return followed.history.lastValue();
    }
    return {};
}

QString FollowedElements::conditionProblems() const
{
    QStringList lines;
    for (const Followed &followed : m_followed) {
        if (followed.unreadable)
            lines << QStringLiteral("'%1' cannot be read as a number (%2)")
                         .arg(followed.history.lastValue(), conditionText(followed.condition.condition()));
    }
    return lines.join(QLatin1Char('\n'));
}

QList<WatchSummary::Followed> FollowedElements::summaries() const
{
    QList<WatchSummary::Followed> summaries;
    for (const Followed &followed : m_followed)
        summaries.append({followed.history.lastValue(), followed.history.entries()});
    return summaries;
}

QString FollowedElements::recentChanges() const
{
    QStringList lines;
    for (const Followed &followed : m_followed) {
        const QString changes = ::recentChanges(followed.history, kChangesInToolTip);
        if (!changes.isEmpty())
            lines << changes;
    }
    return lines.join(QLatin1Char('\n'));
}

void FollowedElements::restore(const WatchedItem &item)
{
    for (int i = 0; i < item.followed.size(); ++i) {
        m_followed.append({++m_lastKey, item.followed[i], std::nullopt, ChangeHistory(item.histories.value(i)),
                           ConditionWatch(item.conditions.value(i))});
        m_page->read(m_lastKey, item.followed[i]);
        if (i == item.leadElement) {
            m_leadKey = m_lastKey;
            m_leadingText = item.leadingText;
            m_lead = LeadWatch(item.lead);
        }
    }
    offerMenuEntries();
    if (!item.timeLeft.isEmpty()) {
        m_timeLeftSelector = item.timeLeft;
        m_page->read(kTimeLeftKey, item.timeLeft);
    }
}

void FollowedElements::keepIn(WatchedItem &item) const
{
    item.timeLeft = m_timeLeftSelector;
    for (const Followed &followed : m_followed) {
        if (followed.key == m_leadKey) {
            item.leadElement = int(item.followed.size());
            item.leadingText = m_leadingText;
            item.lead = m_lead.state();
        }
        item.followed << followed.selector;
        item.histories << followed.history.entries();
        item.conditions << followed.condition.condition();
    }
}

void FollowedElements::stopAll()
{
    for (const Followed &followed : qAsConst(m_followed))
        m_page->stopReading(followed.key);
    m_followed.clear();
    forgetLead();
    offerMenuEntries();
}

void FollowedElements::forgetTimeLeft()
{
    m_page->stopReading(kTimeLeftKey);
    m_timeLeftSelector.clear();
    m_timeLeftShown.reset();
}

int FollowedElements::indexOf(const QString &selector) const
{
    const auto followed = std::find_if(m_followed.cbegin(), m_followed.cend(),
                                       [&selector](const Followed &one) { return one.selector == selector; });
    return followed == m_followed.cend() ? -1 : int(followed - m_followed.cbegin());
}

void FollowedElements::forgetLead()
{
    m_leadKey = -1;
    m_lead = LeadWatch();
}

void FollowedElements::picked(int entry, const QString &selector, const QString &text)
{
    const int followed = indexOf(selector);
    switch (entry) {
    case AlertOnChange:
        follow(selector, text);
        break;
    case AlertOnCondition:
        emit conditionAsked(selector, text,
                            followed < 0 ? AlertCondition() : m_followed[followed].condition.condition());
        break;
    case SaysWhoLeads:
        emit leadAsked(selector, text);
        break;
    case ShowsTimeLeft:
        m_timeLeftSelector = selector;
        m_page->read(kTimeLeftKey, selector);
        emit timeLeftPointed(text);
        break;
    case StopAlerting:
        // The element pointed at, when it is followed, stops alone; pointed elsewhere, every one does.
        if (followed >= 0) {
            drop(followed);
        } else {
            stopAll();
            emit allStopped();
        }
        break;
    }
}

int FollowedElements::follow(const QString &selector, const QString &text)
{
    if (const int followed = indexOf(selector); followed >= 0)
        return followed;
    m_followed.append({++m_lastKey, selector, ElementWatch(text), {}});
    m_followed.last().history.record(text.simplified(), QDateTime::currentDateTime());
    m_page->read(m_lastKey, selector);
    offerMenuEntries();
    return int(m_followed.size()) - 1;
}

void FollowedElements::setCondition(const QString &selector, const QString &text, const AlertCondition &condition)
{
    Followed &followed = m_followed[follow(selector, text)];
    followed.condition = ConditionWatch(condition);
    followed.unreadable = false;
}

void FollowedElements::askCondition(int element)
{
    if (element < 0 || element >= m_followed.size())
        return;
    const Followed &followed = m_followed[element];
    emit conditionAsked(followed.selector, followed.history.lastValue(), followed.condition.condition());
}

void FollowedElements::setLead(const QString &selector, const QString &text, const QString &leadingText)
{
    const Followed &followed = m_followed[follow(selector, text)];
    if (followed.key != m_leadKey)
        m_lead = LeadWatch();
    m_leadKey = followed.key;
    m_leadingText = leadingText;
    m_lead.observe(readLead(text, leadingText));
}

void FollowedElements::drop(int element)
{
    m_page->stopReading(m_followed[element].key);
    if (m_followed[element].key == m_leadKey)
        forgetLead();
    m_followed.removeAt(element);
    offerMenuEntries();
    emit dropped(element);
}

void FollowedElements::elementRead(int key, bool found, const QString &text)
{
    if (key == kTimeLeftKey) {
        m_timeLeftShown.emplace(found, text);
        return;
    }
    const auto followedAt =
        std::find_if(m_followed.begin(), m_followed.end(), [key](const Followed &one) { return one.key == key; });
    if (followedAt == m_followed.end() || !m_showsItem())
        return;
    const int element = int(followedAt - m_followed.begin());
    Followed &followed = *followedAt;
    if (found) {
        followed.history.record(text.simplified(), QDateTime::currentDateTime());
        if (element == 0)
            emit firstValueRead(followed.history.lastValue());
    }
    // The lead is read at every load, from the first on; the element's other changes are no news.
    if (key == m_leadKey) {
        if (m_lead.observe(found ? readLead(text, m_leadingText) : LeadState::Unknown))
            emit outbid();
        return;
    }
    if (!followed.watch) {
        if (found)
            followed.watch.emplace(text);
    } else if (const auto change = followed.watch->observe(found ? std::optional<QString>(text) : std::nullopt)) {
        changeRead(followed, element, *change);
    }
}

void FollowedElements::changeRead(Followed &followed, int element, const ElementWatch::Change &change)
{
    // An element gone is told whatever its condition: nothing can be read of it.
    if (change.gone) {
        emit changed(element, change);
        return;
    }
    const ConditionWatch::Result result = followed.condition.observe(change.before, change.after);
    followed.unreadable = result == ConditionWatch::Result::NotANumber;
    if (result != ConditionWatch::Result::Met)
        return;
    emit changed(element, change);
    if (followed.condition.condition().kind != AlertCondition::Kind::AnyChange)
        emit conditionMet(conditionText(followed.condition.condition()), change);
}

void FollowedElements::pageRead()
{
    // The time left is told last, so that an end it tells finds the final value of this load.
    if (m_timeLeftShown) {
        const auto [found, text] = *m_timeLeftShown;
        m_timeLeftShown.reset();
        emit timeLeftRead(found, text);
    }
    emit loadRead();
}

void FollowedElements::offerMenuEntries()
{
    m_page->setMenuEntries(m_followed.isEmpty() ? kMenuEntries.mid(0, StopAlerting) : kMenuEntries);
}
