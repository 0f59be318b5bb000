#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;
class QPoint;
class QWebEngineView;

// The parts of a page the user points at through its context menu: elements
// to follow, and the one that shows the time left. Each is found again by a
// selector after every load of the page and its text read.
class PageElements final : public QObject
{
    Q_OBJECT

public:
    // Scripts run in the world given, apart from the page's own.
    PageElements(QWebEngineView *view, quint32 world);

    // Puts the entries for the element at position before the menu's first one.
    void addMenuEntries(QMenu *menu, const QPoint &position);
    void stopFollowing();
    QStringList followedSelectors() const { return m_selectors; }
    QString timeLeftSelector() const { return m_timeLeftSelector; }
    // Points at parts kept from an earlier run; their texts come with the next load.
    void restore(const QStringList &followed, const QString &timeLeft);
    void stopReadingTimeLeft();
    void readAfterLoad(bool loaded);

signals:
    void followed(const QString &text);
    void read(int element, bool found, const QString &text);
    void timeLeftRead(bool found, const QString &text);
    // One followed element stopped, or every one for -1.
    void stopAsked(int element);

private:
    void chooseAt(const QPoint &position, const std::function<void(const QString &, const QString &)> &chosen);
    void readElement(const QString &selector, const std::function<void(bool, const QString &)> &read);

    QWebEngineView *m_view;
    quint32 m_world;
    QStringList m_selectors;
    QString m_timeLeftSelector;
};
