#include "app/FollowedElements.h"

#include "platform/PageElements.h"

#include <QDateTime>
#include <algorithm>

namespace {

// The tooltip has room for the last few changes of each element.
constexpr int kChangesInToolTip = 3;
// The page's elements are read under keys; the time left's is this one.
constexpr int kTimeLeftKey = 0;
// The entries of the page's context menu, in order.
enum MenuEntry {
    AlertOnChange,
    ShowsTimeLeft,
    StopAlerting
};
const QStringList kMenuEntries = {QStringLiteral("Alert me when this changes"),
                                  QStringLiteral("This shows the time left"), QStringLiteral("Stop alerting")};

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
        m_followed.append({++m_lastKey, item.followed[i], std::nullopt, ChangeHistory(item.histories.value(i))});
        m_page->read(m_lastKey, item.followed[i]);
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
        item.followed << followed.selector;
        item.histories << followed.history.entries();
    }
}

void FollowedElements::stopAll()
{
    for (const Followed &followed : qAsConst(m_followed))
        m_page->stopReading(followed.key);
    m_followed.clear();
    offerMenuEntries();
}

void FollowedElements::forgetTimeLeft()
{
    m_page->stopReading(kTimeLeftKey);
    m_timeLeftSelector.clear();
    m_timeLeftShown.reset();
}

void FollowedElements::picked(int entry, const QString &selector, const QString &text)
{
    const auto followed = std::find_if(m_followed.cbegin(), m_followed.cend(),
                                       [&selector](const Followed &one) { return one.selector == selector; });
    switch (entry) {
    case AlertOnChange:
        if (followed == m_followed.cend())
            follow(selector, text);
        break;
    case ShowsTimeLeft:
        m_timeLeftSelector = selector;
        m_page->read(kTimeLeftKey, selector);
        emit timeLeftPointed(text);
        break;
    case StopAlerting:
        // The element pointed at, when it is followed, stops alone; pointed elsewhere, every one does.
        if (followed != m_followed.cend()) {
            drop(int(followed - m_followed.cbegin()));
        } else {
            stopAll();
            emit allStopped();
        }
        break;
    }
}

void FollowedElements::follow(const QString &selector, const QString &text)
{
    m_followed.append({++m_lastKey, selector, ElementWatch(text), {}});
    m_followed.last().history.record(text.simplified(), QDateTime::currentDateTime());
    m_page->read(m_lastKey, selector);
    offerMenuEntries();
}

void FollowedElements::drop(int element)
{
    m_page->stopReading(m_followed[element].key);
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
    if (!followed.watch) {
        if (found)
            followed.watch.emplace(text);
    } else if (const auto change = followed.watch->observe(found ? std::optional<QString>(text) : std::nullopt)) {
        emit changed(element, *change);
    }
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
