#pragma once

#include "app/core/AlertCondition.h"
#include "app/core/ChangeHistory.h"
#include "app/core/ElementWatch.h"
#include "app/core/Lead.h"
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
// again after every load of the page under a key of its own. An element's
// change alerts when its condition is met; one element may be the one that
// says whether the user leads, which alerts only when the lead is lost.
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
    // What the first element that does not say who leads showed last: the price.
    QString price() const;
    LeadState lead() const { return m_lead.state(); }
    // Why conditions could not be told at the last change, a line each:
    // "'No bids yet' cannot be read as a number (above 100)".
    QString conditionProblems() const;
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
    // Follows the element selector finds, which shows text, if it is not
    // followed yet, and alerts of it only when condition is met.
    void setCondition(const QString &selector, const QString &text, const AlertCondition &condition);
    // Follows the element, if it is not yet, as the one that says whether the
    // user leads: while it shows leadingText, they do.
    void setLead(const QString &selector, const QString &text, const QString &leadingText);
    // Asks, as the page's menu does, to set when the element alerts.
    void askCondition(int element);

signals:
    // A change that met its element's condition.
    void changed(int element, const ElementWatch::Change &change);
    // A condition other than any change was met: "above 1000".
    void conditionMet(const QString &condition, const ElementWatch::Change &change);
    // The element that says who leads shows that the user has lost the lead.
    void outbid();
    // The user asked to set the condition of the element selector finds, which shows text.
    void conditionAsked(const QString &selector, const QString &text, const AlertCondition &condition);
    // The user pointed at the element that says who leads, which shows text.
    void leadAsked(const QString &selector, const QString &text);
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
    // The index of the element selector finds; -1: it is not followed.
    int indexOf(const QString &selector) const;
    void forgetLead();
    // The element selector finds, followed from now on if it was not; its index.
    int follow(const QString &selector, const QString &text);
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
        ConditionWatch condition;
        bool unreadable = false; // its last change could not be read as its condition's number
    };
    void changeRead(Followed &followed, int element, const ElementWatch::Change &change);

    PageElements *m_page;
    std::function<bool()> m_showsItem;
    QList<Followed> m_followed;
    int m_lastKey = 0;  // keys of followed elements count up from it; 0 is the time left's
    int m_leadKey = -1; // the key of the element that says who leads; -1: none
    QString m_leadingText;
    LeadWatch m_lead;
    QString m_timeLeftSelector;
    // The time left's text read after the load, told once every element of the load is read.
    std::optional<std::pair<bool, QString>> m_timeLeftShown;
};
