#pragma once

#include "app/core/Countdown.h"
#include "app/core/LateTicks.h"
#include "app/core/RefreshRates.h"
#include "app/core/SiteConfig.h"
#include "app/core/TabCaptions.h"

#include <QList>
#include <QObject>
#include <array>

class AlertPush;
class BrowserView;
class IntervalTimer;
class Notifier;
class QDateTime;
class QTimer;
class SettingsStore;
class TabStrip;
class WatchTab;
struct WatchSummary;

// The five watch tabs together: the refresh rate in force, the five-minute
// countdown that reloads the tab in front, the spreading of reloads armed
// together, the wake after the machine slept, and the watched set kept for
// the next run.
class WatchTabSet final : public QObject
{
    Q_OBJECT

public:
    WatchTabSet(TabStrip *tabs, const std::array<BrowserView *, kWatchTabCount> &views, const SiteConfig &site,
                Notifier *notifier, SettingsStore *settings, QObject *parent = nullptr);

    WatchTab *tab(int index) const; // none for the services tab
    // Where the tabs' events go to the phone.
    AlertPush *push() const { return m_push; }
    // What a tab watched now gets, and what is kept for the next run.
    const RateInForce &rateInForce() const { return m_rate; }
    // A typed or picked rate text, when it is a rate, is the rate in force; any
    // other text gives way to it. Returns the rate in force.
    QString settleRate(const QString &typed);
    // Watches the item on the first free tab at the rate; false when none is free.
    bool watch(const QString &itemNumber, const QString &typedRate);
    // Re-arms every watching tab at the rate, first reloads spread.
    void applyRate(const QString &typedRate);
    void release(int tab, const QString &blankPage);
    // Minutes before its end from which a tab reloads faster and says it ends soon.
    void setEndingSoonLead(int minutes);
    void tickCountdown();
    void showStatus(const QDateTime &now);
    // Every half second: the tabs' status, and after a tick far later than
    // planned (the machine slept) the watched tabs wake.
    void tickStatus(const QDateTime &now);
    QList<WatchSummary> summaries(const QDateTime &now) const;
    // The program ends: no tab reloads any more, and the watched set is kept.
    void stopAndStore();
    void reopen();

signals:
    // The rate box should show the rate in force, and why it went back if it did.
    void rateSettled(const QString &rate, const QString &toolTip);
    // The countdown came round with the services tab in front.
    void countdownReachedServices(int periodMs);

private:
    void applyTimerChanges(const RefreshRate &rate);
    // Arms each watching tab at its period (0: no timed reload), first reloads spread.
    void armSpread(const QList<int> &periods);

    TabStrip *m_tabs;
    SettingsStore *m_settings;
    AlertPush *m_push;
    std::array<WatchTab *, kWatchTabCount> m_watchTabs{};
    RateInForce m_rate;
    IntervalTimer *m_fiveMinuteCountdown = nullptr;
    int m_countdown = kCountdownStartS; // seconds to the next reload by the countdown
    QTimer *m_statusTimer = nullptr;
    LateTicks m_lateStatusTicks;
};
