#pragma once

#include "app/core/ChangeHistory.h"
#include "app/core/ElementWatch.h"
#include "app/core/WatchSummary.h"
#include "app/core/WatchedItems.h"

#include <QList>
#include <QObject>
#include <functional>
#include <optional>
#include <utility>

class PageElements;

// The parts of a watch tab's page the user pointed at through its context
// menu: the elements whose changes alert, in the order picked (the first one
// is taken for the price), and the one that shows the time left. Each is read
// again after every load of the page under a key of its own.
class FollowedElements final : public QObject
{
    Q_OBJECT

public:
    // showsItem tells whether the page shown is the item's: reads of any other
    // page (the site's sign-in page) are no news.
    FollowedElements(PageElements *page, std::function<bool()> showsItem, QObject *parent = nullptr);

    bool isEmpty() const { return m_followed.isEmpty(); }
    // Whether anything is read from the page after a load.
    bool readsPage() const { return !m_followed.isEmpty() || !m_timeLeftSelector.isEmpty(); }
    // What the first element showed last; empty while none is followed.
    QString firstValue() const;
    QList<WatchSummary::Followed> summaries() const;
    // The last few changes of each element, a line each; empty: none changed.
    QString recentChanges() const;

    // Follows the elements and the time left of an earlier run, their
    // histories going on; their alerts start from the first text read.
    void restore(const WatchedItem &item);
    // Puts what is kept of the elements into item.
    void keepIn(WatchedItem &item) const;
    void stopAll();
    void forgetTimeLeft();

signals:
    void changed(int element, const ElementWatch::Change &change);
    // The element is no longer followed; those after it move up one.
    void dropped(int element);
    // The user stopped every alert of the tab.
    void allStopped();
    void firstValueRead(const QString &value);
    // The user pointed at the time left, which shows text.
    void timeLeftPointed(const QString &text);
    // After a load, once every followed element of it is read.
    void timeLeftRead(bool found, const QString &text);
    // Every element of a load is read.
    void loadRead();

private:
    void picked(int entry, const QString &selector, const QString &text);
    void follow(const QString &selector, const QString &text);
    void drop(int element);
    void elementRead(int key, bool found, const QString &text);
    void pageRead();
    // The menu offers to stop alerting only while an element is followed.
    void offerMenuEntries();

    struct Followed
    {
        int key; // what the page's elements tell its reads by
        QString selector;
        std::optional<ElementWatch> watch; // none until a first text is read
        ChangeHistory history;             // the first one's last value is the final price once ended
    };

    PageElements *m_page;
    std::function<bool()> m_showsItem;
    QList<Followed> m_followed;
    int m_lastKey = 0; // keys of followed elements count up from it; 0 is the time left's
    QString m_timeLeftSelector;
    // The time left's text read after the load, told once every element of the load is read.
    std::optional<std::pair<bool, QString>> m_timeLeftShown;
};
