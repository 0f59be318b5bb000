#include "app/WatchTab.h"

#include "app/FollowedElements.h"
#include "app/HeldNotices.h"
#include "app/PageTroubleNotices.h"
#include "app/TabAlerts.h"
#include "app/core/ReloadSpread.h"
#include "app/core/ReloadStatus.h"
#include "app/core/SiteAddresses.h"
#include "app/core/TabCaptions.h"
#include "app/core/TabFreeze.h"
#include "app/core/TabToolTip.h"
#include "app/core/TimeLeft.h"
#include "platform/BrowserView.h"
#include "platform/IntervalTimer.h"
#include "platform/TabStrip.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <algorithm>

namespace {

// Where in its spread a timed reload's wait falls.
double randomDraw()
{
    return QRandomGenerator::global()->bounded(2.0) - 1.0;
}

} // namespace

WatchTab::WatchTab(int index, TabStrip *tabs, BrowserView *view, const SiteConfig &site, Notifier *notifier,
                   SettingsStore *settings, AlertPush *push, QObject *parent)
    : QObject(parent)
    , m_index(index)
    , m_tabs(tabs)
    , m_view(view)
    , m_followed(new FollowedElements(
          view->createPageElements(this), [this] { return !onSignInPage(); }, this))
    , m_reloadTimer(new IntervalTimer(this))
    , m_site(site)
    , m_notices(new HeldNotices(
          index, notifier, [this] { return pageName(); }, this))
    , m_troubles(new PageTroubleNotices(view, m_notices, this))
    , m_alerts(new TabAlerts(
          m_followed, m_notices, view, settings, push, [this] { return pushAbout(); }, this))
    , m_endOfAuction(m_reloadTimer, m_notices)
{
    m_tabs->setCaption(m_index, availableCaption());
    connect(m_reloadTimer, &IntervalTimer::timeout, this, &WatchTab::reloadByOwnTimer);

    connect(m_followed, &FollowedElements::changed, this, &WatchTab::elementChanged);
    connect(m_followed, &FollowedElements::dropped, this, &WatchTab::elementDropped);
    connect(m_followed, &FollowedElements::allStopped, this, &WatchTab::clearAlertMarks);
    connect(m_followed, &FollowedElements::firstValueRead, this,
            [this](const QString &value) { m_endOfAuction.firstValueRead(value); });
    connect(m_followed, &FollowedElements::timeLeftPointed, this, [this](const QString &text) {
        timeLeftRead(true, text);
        m_notices->tell();
    });
    connect(m_followed, &FollowedElements::timeLeftRead, this, &WatchTab::timeLeftRead);
    connect(m_followed, &FollowedElements::loadRead, m_notices, &HeldNotices::tell);
    connect(m_followed, &FollowedElements::loadRead, this, &WatchTab::freezeUntilReload);
    connect(m_view, &BrowserView::documentComplete, this, &WatchTab::pageLoaded);
    connect(m_view, &BrowserView::documentComplete, this, [this] {
        if (m_itemNumber)
            m_troubles->pageLoaded(onSignInPage());
    });
    connect(m_troubles, &PageTroubleNotices::signedOutNow, this, &WatchTab::markUnlessInFront);
    connect(m_alerts, &TabAlerts::outbid, this, &WatchTab::markUnlessInFront);
    // A dialog the page raised out of sight was not shown: the tab catches the eye.
    connect(m_view, &BrowserView::dialogRefused, this, &WatchTab::markUnlessInFront);
    connect(m_tabs, &TabStrip::currentChanged, this, [this](int tab) {
        if (tab == m_index)
            m_changed = false;
    });
}

void WatchTab::watch(const QString &itemNumber, int periodMs)
{
    m_itemNumber = itemNumber;
    m_periodMs = periodMs;
    m_reloadingSince = QDateTime::currentDateTime();
    m_troubles->reset();
    forgetEnd();
    m_view->open(itemPageAddress(m_site, itemNumber));
    m_tabs->setCaption(m_index, itemCaption(itemNumber));
    m_tabs->setCurrent(m_index);
    m_reloadTimer->setInterval(periodMs);
    m_reloadTimer->setEnabled(true);
    if (periodMs > 0)
        m_reloadTimer->setFirstWait(spreadWaitMs(periodMs, randomDraw()));
}

void WatchTab::release(const QString &blankPage)
{
    m_releasedTo = QUrl::fromUserInput(blankPage);
    m_troubles->reset();
    m_view->open(blankPage);
    m_reloadTimer->setEnabled(false);
    stopAlert();
    forgetEnd();
}

void WatchTab::pageLoaded()
{
    // A page with nothing to read, or that failed to load, may rest at once.
    if (!m_followed->readsPage() || !m_view->health().loadError.isEmpty())
        freezeUntilReload();
    // A page may stay when asked to leave: the tab is free once it has been left.
    if (m_releasedTo.isEmpty() || m_view->address() != m_releasedTo)
        return;
    m_releasedTo.clear();
    m_itemNumber.reset();
    m_tabs->setCaption(m_index, availableCaption());
}

void WatchTab::rearm(int periodMs, int firstWaitMs)
{
    m_periodMs = periodMs;
    m_reloadingSince = QDateTime::currentDateTime();
    if (replanEnd(m_reloadingSince))
        return;
    m_reloadTimer->setEnabled(false);
    m_reloadTimer->setInterval(periodMs);
    m_reloadTimer->setEnabled(true);
    if (periodMs > 0)
        m_reloadTimer->setFirstWait(firstWaitMs);
}

void WatchTab::setEndingSoonLead(int minutes)
{
    m_endOfAuction.setLead(minutes);
    replanEnd(QDateTime::currentDateTime());
}

void WatchTab::stopReloading()
{
    m_reloadTimer->setEnabled(false);
}

void WatchTab::reloadOnTimer(int periodMs)
{
    // The sign-in page is left for the item's page, which shows whether the user has signed in since.
    if (m_itemNumber && onSignInPage()) {
        m_view->open(itemPageAddress(m_site, *m_itemNumber));
        return;
    }
    TimedReload reload;
    reload.periodMs = periodMs;
    if (m_itemNumber)
        reload.formAnswerReplacement = itemPageAddress(m_site, *m_itemNumber);
    if (const auto end = m_endOfAuction.end())
        reload.typingHoldMs = typingHoldMs(QDateTime::currentDateTime().msecsTo(*end));
    m_view->reloadOnTimer(reload);
}

void WatchTab::reloadByCountdown(int periodMs)
{
    const auto &end = m_endOfAuction.end();
    if (!end || QDateTime::currentDateTime() < *end)
        reloadOnTimer(periodMs);
}

void WatchTab::reloadByOwnTimer()
{
    const int periodMs = m_reloadTimer->interval();
    reloadOnTimer(periodMs);
    const std::optional<int> next = waitAfterTimedReload(m_endOfAuction.phase(), m_endOfAuction.end(),
                                                         QDateTime::currentDateTime(), periodMs, randomDraw());
    if (!next)
        m_reloadTimer->setEnabled(false);
    else if (periodMs > 0)
        m_reloadTimer->setFirstWait(*next);
}

void WatchTab::showStatus(bool countdownRunning, int countdownS, const QDateTime &now)
{
    const PageHealth health = m_view->health();
    ReloadStatus status;
    const EndStatus end = m_endOfAuction.status(now);
    if (m_endOfAuction.hasEnded()) {
        status.tooltip = end.tooltip;
    } else if (m_itemNumber) {
        status = timedStatus(countdownRunning, countdownS, health, now);
        if (!end.tooltip.isEmpty())
            status.tooltip.prepend(end.tooltip + QLatin1Char('\n'));
    } else {
        status = pageMessageStatus(health);
    }
    m_troubles->showSignedOut(status);
    if (m_itemNumber)
        m_troubles->checkUpdated(health, m_reloadingSince, m_reloadTimer->isEnabled() ? m_reloadTimer->interval() : 0,
                                 now);
    for (const QString &lines : {m_alerts->problems(), m_followed->recentChanges()}) {
        if (!lines.isEmpty())
            status.tooltip += QLatin1Char('\n') + lines;
    }
    // Only a watched tab claims to show its item; a free one may browse anywhere.
    const bool onSite = isFree() || isOnSite(m_site, m_view->address());
    // The lead goes before the time left: "Outbid · 4m 10s".
    QStringList note{leadText(m_followed->lead()), m_troubles->signedOut() ? QStringLiteral("Signed out") : end.header};
    note.removeAll(QString());
    m_tabs->setHeaderNote(m_index, m_itemNumber ? note.join(QStringLiteral(" \u00B7 ")) : QString());
    m_tabs->setTabReloadStatus(m_index, status.fractionLeft,
                               tabToolTip(status.tooltip, m_view->title(), m_view->address(), onSite), status.tone);
    m_tabs->setTabOffSite(m_index, !onSite);
}

ReloadStatus WatchTab::timedStatus(bool countdownRunning, int countdownS, const PageHealth &health,
                                   const QDateTime &now) const
{
    const ReloadTimerState timer{m_reloadTimer->isEnabled(), m_reloadTimer->interval(), m_reloadTimer->remainingTime()};
    return reloadStatus(timer, countdownRunning, countdownS, health, now);
}

WatchSummary WatchTab::summary(const QDateTime &now, bool countdownRunning, int countdownS) const
{
    const PageHealth health = m_view->health();
    const bool reloads = timedStatus(countdownRunning, countdownS, health, now).reloads;
    WatchSummary summary{m_index,
                         itemNumber(),
                         m_view->title(),
                         m_followed->summaries(),
                         m_endOfAuction.end(),
                         health.lastDrawn,
                         watchStatus(health, m_endOfAuction.hasEnded(), reloads, m_changed),
                         m_changed,
                         m_endOfAuction.phase() == EndPhase::EndingSoon
                             || m_endOfAuction.phase() == EndPhase::LastMinute};
    summary.lead = m_followed->lead();
    // The phase was planned at the last read; the end may have come since.
    if (m_endOfAuction.end() && *m_endOfAuction.end() <= now)
        summary.endingSoon = false;
    return summary;
}

void WatchTab::restore(const WatchedItem &item)
{
    m_followed->restore(item);
    m_endOfAuction.restore(item.end, item.ended, item.finalValue);
    if (item.ended)
        m_reloadTimer->setEnabled(false);
}

WatchedItem WatchTab::keptItem() const
{
    WatchedItem item{m_index,
                     itemNumber(),
                     m_periodMs,
                     {},
                     {},
                     m_endOfAuction.end(),
                     m_endOfAuction.hasEnded(),
                     m_endOfAuction.finalValue(),
                     {}};
    m_followed->keepIn(item);
    return item;
}

void WatchTab::elementChanged(int element, const ElementWatch::Change &change)
{
    markUnlessInFront();
    m_changed = m_tabs->current() != m_index;
    m_notices->held().elementChanged(element, change);
}

void WatchTab::elementDropped(int element)
{
    m_notices->held().elementDropped(element);
    if (m_followed->isEmpty()) {
        m_changed = false;
        m_tabs->setTabMarked(m_index, false);
    }
}

QString WatchTab::pageName() const
{
    // The sign-in page's title is not the item's.
    const QString title = onSignInPage() ? QString() : m_view->title();
    return title.isEmpty() ? itemCaption(itemNumber()) : title;
}

PushMessage WatchTab::pushAbout() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const auto &end = m_endOfAuction.end();
    PushMessage message;
    message.item = itemNumber();
    message.title = pageName();
    message.value = m_followed->price();
    if (end && *end > now)
        message.timeLeft = timeLeftText(now, *end);
    message.page = m_view->address().toString();
    message.tag = m_index;
    return message;
}

void WatchTab::timeLeftRead(bool found, const QString &text)
{
    if (!m_itemNumber || onSignInPage())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    if (m_endOfAuction.timeLeftRead(found, text, now))
        planReloads(now);
}

void WatchTab::planReloads(const QDateTime &now)
{
    m_endOfAuction.planReloads(now, m_periodMs, m_followed->firstValue(), randomDraw());
}

bool WatchTab::replanEnd(const QDateTime &now)
{
    if (!m_endOfAuction.end())
        return false;
    planReloads(now);
    m_notices->tell();
    return true;
}

void WatchTab::forgetEnd()
{
    m_followed->forgetTimeLeft();
    m_endOfAuction.forget();
}

void WatchTab::stopAlert()
{
    m_followed->stopAll();
    clearAlertMarks();
}

void WatchTab::clearAlertMarks()
{
    m_alerts->clear();
    m_changed = false;
    m_tabs->setTabMarked(m_index, false);
    m_notices->clear();
}

void WatchTab::freezeUntilReload()
{
    TabFreezeFacts facts;
    facts.inFront = m_tabs->current() == m_index;
    if (m_reloadTimer->isEnabled()) {
        facts.periodMs = m_reloadTimer->interval();
        facts.nextReloadMs = m_reloadTimer->remainingTime();
    }
    if (const auto &end = m_endOfAuction.end())
        facts.endMs = QDateTime::currentDateTime().msecsTo(*end);
    if (const auto freezeMs = freezeForMs(facts))
        m_view->freeze(*freezeMs);
}

void WatchTab::markUnlessInFront()
{
    if (m_tabs->current() != m_index)
        m_tabs->setTabMarked(m_index, true);
}

bool WatchTab::onSignInPage() const
{
    return isSignInPage(m_site, m_view->address());
}

void WatchTab::wake(const QDateTime &now, int firstWaitMs)
{
    if (!m_itemNumber || m_endOfAuction.hasEnded())
        return;
    replanEnd(now);
    // A tab at "No Refresh" or "5 Minutes" has no period of its own and is not reloaded by waking.
    if (m_reloadTimer->isEnabled() && m_reloadTimer->interval() > 0) {
        const int left = m_reloadTimer->remainingTime();
        m_reloadTimer->setFirstWait(left < 0 ? firstWaitMs : std::min(left, firstWaitMs));
    }
}
