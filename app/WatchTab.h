#pragma once

#include "app/EndOfAuction.h"
#include "app/core/ElementWatch.h"
#include "app/core/ReloadStatus.h"
#include "app/core/SiteConfig.h"
#include "app/core/WatchSummary.h"
#include "app/core/WatchedItems.h"
#include "platform/core/PageHealth.h"
#include "platform/core/PushMessage.h"

#include <QDateTime>
#include <QObject>
#include <QUrl>
#include <optional>

class AlertPush;
class BrowserView;
class FollowedElements;
class HeldNotices;
class IntervalTimer;
class Notifier;
class PageTroubleNotices;
class SettingsStore;
class TabAlerts;
class TabStrip;

// One of the five watch tabs: its view, its reload timer, the element of the
// page the user asked to be alerted about, and whether it is free or which
// item it watches. Its header in the tab strip shows the caption "Available"
// or "Item " and the number, the time left to the auction's end, the time to
// the next reload and any alert. Near the end it reloads faster, then stops.
// Its own timed reloads are spread around its period, so tabs never fall into step.
class WatchTab final : public QObject
{
    Q_OBJECT

public:
    WatchTab(int index, TabStrip *tabs, BrowserView *view, const SiteConfig &site, Notifier *notifier,
             SettingsStore *settings, AlertPush *push, QObject *parent = nullptr);

    BrowserView *view() const { return m_view; }
    IntervalTimer *reloadTimer() const { return m_reloadTimer; }
    bool isFree() const { return !m_itemNumber.has_value(); }
    QString itemNumber() const { return m_itemNumber.value_or(QString()); }

    // Opens the item's page and reloads it every periodMs (0: never by its own timer).
    void watch(const QString &itemNumber, int periodMs);
    // Goes on with a watch of an earlier run, just after watch(): its elements
    // followed again, the first text read of each where its alerts start from,
    // their histories, and its end; an ended one stays ended, its page loaded
    // once by watch() and no more.
    void restore(const WatchedItem &item);
    // What is kept of the watch for the next run.
    WatchedItem keptItem() const;
    // Shows the blank page and stops reloading and alerting; the tab is free
    // again once its page has been left for the blank one.
    void release(const QString &blankPage);
    // A rate picked anew: the first reload comes after firstWaitMs, then one a period.
    void rearm(int periodMs, int firstWaitMs);
    // Minutes before the end from which the tab reloads faster and says it ends soon.
    void setEndingSoonLead(int minutes);
    void stopReloading();
    // A reload a timer asks for: a page that answers a form goes back to the item's page.
    void reloadOnTimer(int periodMs);
    // The countdown's reload of the tab in front; none once the auction has
    // ended, as the tab's own timer makes the one after the end.
    void reloadByCountdown(int periodMs);
    // The header's reload bar and tooltip, and whether the page is off the site.
    void showStatus(bool countdownRunning, int countdownS, const QDateTime &now);
    // What an overview of the watched items shows of this tab at now, its
    // status as its header tells it.
    WatchSummary summary(const QDateTime &now, bool countdownRunning, int countdownS) const;
    // What the tab has to tell the user, told at once or held while it is quiet.
    HeldNotices *notices() const { return m_notices; }
    // Conditions and the lead set on its elements, and its pushes to the phone.
    TabAlerts *alerts() const { return m_alerts; }
    FollowedElements *followed() const { return m_followed; }
    // The machine woke, or the program went on after a stop: the end phase is
    // planned again from the clock, and a tab reloading on its timer reloads
    // within firstWaitMs.
    void wake(const QDateTime &now, int firstWaitMs);

private:
    void pageLoaded();
    void elementChanged(int element, const ElementWatch::Change &change);
    void elementDropped(int element);
    void reloadByOwnTimer();
    ReloadStatus timedStatus(bool countdownRunning, int countdownS, const PageHealth &health,
                             const QDateTime &now) const;
    // The page's title, else the caption: what a notification is about.
    QString pageName() const;
    // What a push to the phone about the tab says of it now.
    PushMessage pushAbout() const;
    void timeLeftRead(bool found, const QString &text);
    void planReloads(const QDateTime &now);
    // A known end planned again from now, and what that brings told; false: no end known.
    bool replanEnd(const QDateTime &now);
    void forgetEnd();
    void stopAlert();
    void clearAlertMarks();
    void markUnlessInFront();
    // Out of sight between its reloads, the page rests until just before the next.
    void freezeUntilReload();
    // The site sent the item's page to its sign-in page: the user is signed out.
    bool onSignInPage() const;

    int m_index;
    TabStrip *m_tabs;
    BrowserView *m_view;
    FollowedElements *m_followed;
    IntervalTimer *m_reloadTimer;
    SiteConfig m_site;
    HeldNotices *m_notices;
    PageTroubleNotices *m_troubles;
    TabAlerts *m_alerts;
    EndOfAuction m_endOfAuction;
    // None while the tab is free; a number may be empty.
    std::optional<QString> m_itemNumber;
    QUrl m_releasedTo;          // the blank page a release waits for; empty: none
    int m_periodMs = 0;         // the tab's own rate
    bool m_changed = false;     // a followed element changed since the tab was last in front
    QDateTime m_reloadingSince; // when the tab was last armed at a rate
};
