#pragma once

#include "app/core/ElementWatch.h"
#include "platform/core/SiteConfig.h"

#include <QObject>
#include <optional>

class BrowserView;
class IntervalTimer;
class Notifier;
class QDateTime;
class TabStrip;

// One of the five watch tabs: its view, its reload timer, the element of the
// page the user asked to be alerted about, and whether it is free or which
// item it watches. Its header in the tab strip shows the caption "Available"
// or "Item " and the number, the time to the next reload and any alert.
class WatchTab final : public QObject
{
    Q_OBJECT

public:
    WatchTab(int index, TabStrip *tabs, BrowserView *view, const SiteConfig &site, Notifier *notifier,
             QObject *parent = nullptr);

    BrowserView *view() const { return m_view; }
    IntervalTimer *reloadTimer() const { return m_reloadTimer; }
    bool isFree() const { return !m_itemNumber.has_value(); }
    QString itemNumber() const { return m_itemNumber.value_or(QString()); }

    // Opens the item's page and reloads it every periodMs (0: never by its own timer).
    void watch(const QString &itemNumber, int periodMs);
    // Shows the blank page, stops reloading and alerting, and is free again.
    void release(const QString &blankPage);
    // A rate picked anew: the wait starts over at the new period.
    void rearm(int periodMs);
    void stopReloading();
    // A reload a timer asks for: a page that answers a form goes back to the item's page.
    void reloadOnTimer(int periodMs);
    // The header's reload bar and tooltip, and whether the page is off the site.
    void showStatus(bool countdownRunning, const QString &countdownText, const QDateTime &now);

private:
    void elementRead(bool found, const QString &text);
    void stopAlert();
    void markUnlessInFront();

    int m_index;
    TabStrip *m_tabs;
    BrowserView *m_view;
    IntervalTimer *m_reloadTimer;
    SiteConfig m_site;
    Notifier *m_notifier;
    // None while the tab is free; a number may be empty.
    std::optional<QString> m_itemNumber;
    std::optional<ElementWatch> m_elementWatch;
};
