#pragma once

#include "app/core/AlertEvents.h"
#include "app/core/ElementWatch.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a watch tab has to tell the user and has not told yet. All that one
// reload brought goes in one notification; a tab tells at most once in 10 s,
// and what comes meanwhile is held and told together when they are over.
class TabNotice
{
public:
    static constexpr qint64 kQuietMs = 10000;

    // A followed element changed; a change of it still held is carried on
    // from where that one started, and goes if it comes back to it.
    void elementChanged(int element, const ElementWatch::Change &change);
    void endingSoon(const QString &timeLeft);
    // Ending soon is no news any more once ended is told with it.
    void ended(const QString &finalValue);
    // The element is no longer followed: its held change goes, later elements count one less.
    void elementDropped(int element);
    // Anything else about the tab's watch ("signed out", "updated again"); the
    // same text held twice is told once.
    void news(const QString &text);
    // The page stopped updating: told as news, and pushed.
    void stoppedUpdating(const QString &text);
    void clear();
    bool isEmpty() const;

    // What may be pushed to the phone at once, not held: ending soon, ended,
    // stopped updating, as they came since the last take.
    struct Pushed
    {
        AlertEvent event;
        QString what; // "ending soon, 4m 50s left"
        bool operator==(const Pushed &other) const { return event == other.event && what == other.what; }
    };
    QList<Pushed> takePushed();

    // When what is held may be told: now, or kQuietMs after the last telling.
    QDateTime dueAt(const QDateTime &now) const;
    // "Penny Black: ended, final value US $185.00; 'US $180.00' is now
    // 'US $185.00'; '3 bids' is now '4 bids'", told at now, after which
    // nothing is held.
    QString take(const QString &pageName, const QDateTime &now);

private:
    struct HeldChange
    {
        int element;
        ElementWatch::Change change;
    };
    QList<HeldChange> m_changes;    // in the order of the elements
    QString m_endingSoon;           // the time left told; empty: none held
    std::optional<QString> m_ended; // the final value, maybe empty
    QStringList m_news;
    QList<Pushed> m_pushed;
    QDateTime m_lastTold;
};
