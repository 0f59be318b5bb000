#include "app/core/TabNotice.h"

#include <QStringList>
#include <algorithm>
#include <utility>

void TabNotice::elementChanged(int element, const ElementWatch::Change &change)
{
    const auto held = std::find_if(m_changes.begin(), m_changes.end(),
                                   [element](const HeldChange &h) { return h.element >= element; });
    if (held == m_changes.end() || held->element != element) {
        m_changes.insert(held, {element, change});
        return;
    }
    held->change.after = change.after;
    held->change.gone = change.gone;
    if (!change.gone && held->change.before == change.after)
        m_changes.erase(held);
}

namespace {

QString endingSoonText(const QString &timeLeft)
{
    return QStringLiteral("ending soon, %1 left").arg(timeLeft);
}

QString endedText(const QString &finalValue)
{
    return finalValue.isEmpty() ? QStringLiteral("ended") : QStringLiteral("ended, final value %1").arg(finalValue);
}

} // namespace

void TabNotice::endingSoon(const QString &timeLeft)
{
    m_endingSoon = timeLeft;
    m_pushed.append({AlertEvent::EndingSoon, endingSoonText(timeLeft)});
}

void TabNotice::ended(const QString &finalValue)
{
    m_ended = finalValue;
    m_endingSoon.clear();
    m_pushed.append({AlertEvent::Ended, endedText(finalValue)});
}

void TabNotice::elementDropped(int element)
{
    m_changes.removeIf([element](const HeldChange &h) { return h.element == element; });
    for (HeldChange &held : m_changes) {
        if (held.element > element)
            --held.element;
    }
}

void TabNotice::news(const QString &text)
{
    if (!m_news.contains(text))
        m_news << text;
}

void TabNotice::stoppedUpdating(const QString &text)
{
    news(text);
    m_pushed.append({AlertEvent::StoppedUpdating, text});
}

QList<TabNotice::Pushed> TabNotice::takePushed()
{
    return std::exchange(m_pushed, {});
}

void TabNotice::clear()
{
    m_pushed.clear();
    m_news.clear();
    m_changes.clear();
    m_endingSoon.clear();
    m_ended.reset();
}

bool TabNotice::isEmpty() const
{
    return m_changes.isEmpty() && m_endingSoon.isEmpty() && !m_ended && m_news.isEmpty();
}

QDateTime TabNotice::dueAt(const QDateTime &now) const
{
    if (!m_lastTold.isValid())
        return now;
    return std::max(now, m_lastTold.addMSecs(kQuietMs));
}

QString TabNotice::take(const QString &pageName, const QDateTime &now)
{
    QStringList parts;
    if (m_ended)
        parts << endedText(*m_ended);
    if (!m_endingSoon.isEmpty())
        parts << endingSoonText(m_endingSoon);
    parts << m_news;
    for (const HeldChange &held : m_changes)
        parts << changeText(held.change);
    // What waits to be pushed is not told by this.
    QList<Pushed> pushed = std::exchange(m_pushed, {});
    clear();
    m_pushed = std::move(pushed);
    m_lastTold = now;
    return QStringLiteral("%1: %2").arg(pageName, parts.join(QStringLiteral("; ")));
}
