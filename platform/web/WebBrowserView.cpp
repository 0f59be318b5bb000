#include "platform/web/WebBrowserView.h"

#include "platform/core/PagePatience.h"
#include "platform/core/ScriptAddress.h"
#include "platform/core/SiteAnswers.h"
#include "platform/core/TimerWait.h"
#include "platform/web/FrameLoads.h"
#include "platform/web/HangWatch.h"
#include "platform/web/PageFreeze.h"
#include "platform/web/PageGuard.h"
#include "platform/web/PageInputWatch.h"
#include "platform/web/PageScripts.h"
#include "platform/web/RendererRecovery.h"
#include "platform/web/SiteWait.h"
#include "platform/web/TypingCheck.h"
#include "platform/web/WebPage.h"
#include "platform/web/WebPageElements.h"

#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

WebBrowserView::WebBrowserView(QWebEngineProfile *profile, QWidget *parent)
    : BrowserView(parent)
    , m_view(new QWebEngineView(this))
    , m_page(new WebPage(profile, this))
    , m_typing(new TypingCheck(m_page))
    , m_siteWait(new SiteWait(m_page))
    , m_freeze(new PageFreeze(m_page))
    , m_holdEnd(new QTimer(this))
{
    m_holdEnd->setSingleShot(true);
    connect(m_holdEnd, &QTimer::timeout, this, &WebBrowserView::endHold);
    // The pause for typing shows as the user types, not at the next reload.
    auto *input = new PageInputWatch(m_view);
    connect(input, &PageInputWatch::typed, this, &WebBrowserView::checkTypingAfterKey);
    connect(input, &PageInputWatch::typed, m_freeze, &PageFreeze::noteTypedText);
    connect(input, &PageInputWatch::userInput, m_page, &WebPage::noteUserInput);

    QWebEngineScript markEdits;
    markEdits.setSourceCode(QString::fromLatin1(kMarkEditsScript));
    markEdits.setInjectionPoint(QWebEngineScript::DocumentCreation);
    markEdits.setWorldId(kScriptWorld);
    markEdits.setRunsOnSubFrames(true);
    m_page->scripts().insert(markEdits);
    m_view->setPage(m_page);
    connect(new PageGuard(m_page), &PageGuard::newPageRequested, this,
            [this](const QUrl &url) { emit newPageRequested(url.toString()); });
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &WebBrowserView::showContextMenu);
    connect(m_view, &QWebEngineView::loadFinished, this, &BrowserView::documentComplete);
    connect(m_page, &QWebEnginePage::loadingChanged, this, &WebBrowserView::loadingChanged);
    connect(m_page, &QWebEnginePage::titleChanged, this, &BrowserView::titleOrAddressChanged);
    connect(m_page, &QWebEnginePage::urlChanged, this, &BrowserView::titleOrAddressChanged);

    m_recovery = new RendererRecovery(m_view);
    connect(m_recovery, &RendererRecovery::rendererLost, this, &BrowserView::documentComplete);
    // Not the user's reload: the crashes before it still count.
    connect(m_recovery, &RendererRecovery::reloadDue, this, [this] {
        m_page->setProgramNavigation(true);
        fetchAgain();
    });
    connect(m_recovery, &RendererRecovery::gaveUp, this,
            [this] { updateHealth([](PageHealth &health) { health.stoppedAfterCrashes = true; }); });

    m_hangWatch = new HangWatch(m_page);
    connect(m_hangWatch, &HangWatch::notRespondingChanged, this,
            [this](bool hung) { updateHealth([hung](PageHealth &health) { health.notResponding = hung; }); });
    connect(m_page, &WebPage::dialogRefused, this, [this](const QString &text) {
        updateHealth([&text](PageHealth &health) { health.pageMessage = text; });
        emit dialogRefused(text);
    });
    connect(m_siteWait, &SiteWait::waitAsked, this, [this](const QDateTime &until, int seconds) {
        updateHealth([&](PageHealth &health) {
            health.siteWaitUntil = until;
            health.siteAskedWaitS = seconds;
        });
    });
}

void WebBrowserView::updateHealth(const std::function<void(PageHealth &)> &change)
{
    PageHealth next = m_health;
    change(next);
    if (next == m_health)
        return;
    m_health = next;
    emit healthChanged();
}

void WebBrowserView::loadingChanged(const QWebEngineLoadingInfo &info)
{
    const int httpStatus = info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain ? info.errorCode() : 0;
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        if (httpStatus < 400) {
            if (m_typing->pageDrawn(info.url()))
                m_freeze->noteTypedText();
            m_siteWait->forget();
            updateHealth([](PageHealth &health) {
                health.lastDrawn = QDateTime::currentDateTime();
                health.loadError.clear();
            });
            break;
        }
        Q_FALLTHROUGH();
    case QWebEngineLoadingInfo::LoadFailedStatus: {
        const QString engineText =
            info.errorString().isEmpty() ? QStringLiteral("error %1").arg(info.errorCode()) : info.errorString();
        const QString error = loadErrorText(engineText, httpStatus);
        updateHealth([&error](PageHealth &health) { health.loadError = error; });
        if (mayAskToWait(httpStatus))
            m_siteWait->ask(httpStatus);
        break;
    }
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_loadClock.start();
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        break;
    }
}

qint64 WebBrowserView::siteWaitLeftMs() const
{
    return m_health.siteWaitUntil.isValid() ? QDateTime::currentDateTime().msecsTo(m_health.siteWaitUntil) : 0;
}

void WebBrowserView::userNavigates()
{
    m_freeze->thaw();
    m_page->setProgramNavigation(true);
    m_recovery->startOver();
    m_heldReload.reset();
    m_holdEnd->stop();
    m_typing->forget();
    updateHealth([](PageHealth &health) {
        health.pausedForTyping = false;
        health.stoppedAfterCrashes = false;
    });
}

void WebBrowserView::open(const QString &text)
{
    if (isScriptAddress(text))
        return;
    userNavigates();
    m_view->setUrl(QUrl::fromUserInput(text));
}

void WebBrowserView::reload()
{
    userNavigates();
    fetchAgain();
}

void WebBrowserView::fetchAgain()
{
    m_freeze->thaw();
    // A reload while an address is still on its way would drop it and fetch
    // the page shown before; asking for that address again restarts its load.
    const QUrl shown = m_view->history()->currentItem().url();
    if (m_view->url() != shown)
        m_view->setUrl(m_view->url());
    else
        m_view->reload();
}

QString WebBrowserView::title() const
{
    // A page without a title of its own is given its address as title; the
    // address is told beside it already.
    const QString title = m_page->title();
    const QUrl url = m_page->url();
    const QString bare = url.toString(QUrl::RemoveScheme).mid(2);
    return title == url.toString() || title == url.toDisplayString() || title == bare ? QString() : title;
}

QUrl WebBrowserView::address() const
{
    return m_page->url();
}

void WebBrowserView::reportFrameLoads()
{
    if (!m_frameLoads) {
        m_frameLoads = new FrameLoads(m_page);
        connect(m_frameLoads, &FrameLoads::frameLoaded, this, &BrowserView::frameComplete);
    }
}

bool WebBrowserView::showsFormAnswer() const
{
    return m_page->showsFormAnswer();
}

void WebBrowserView::resendForm()
{
    m_page->allowFormResend();
    reload();
}

bool WebBrowserView::back()
{
    if (!m_view->history()->canGoBack())
        return false;
    userNavigates();
    m_view->back();
    return true;
}

bool WebBrowserView::forward()
{
    if (!m_view->history()->canGoForward())
        return false;
    userNavigates();
    m_view->forward();
    return true;
}

void WebBrowserView::reloadOnTimer(const TimedReload &reload)
{
    // Whether the user is typing is asked of the page, which must answer.
    m_freeze->thaw();
    m_recovery->setPeriodMs(reload.periodMs);
    m_typing->setHoldMs(reload.typingHoldMs);
    // A site that asked to be left alone is not asked again before it said.
    if (const qint64 wait = siteWaitLeftMs(); wait > 0) {
        holdReload(reload, wait);
        return;
    }
    // The tab says why it is not reloaded: its health tells.
    if (m_typing->pending() || m_hangWatch->notResponding() || m_health.stoppedAfterCrashes)
        return;
    if (m_page->isLoading() && m_loadClock.isValid() && m_loadClock.elapsed() < loadPatienceMs(reload.periodMs)) {
        // The load goes on, but a page not drawn for a whole period is stale, and says so.
        if (m_loadClock.elapsed() >= reload.periodMs)
            updateHealth([](PageHealth &health) { health.loadError = QStringLiteral("no answer"); });
        return;
    }
    checkTyping([this, reload](qint64 holdLeftMs) {
        if (holdLeftMs > 0)
            holdReload(reload, holdLeftMs);
        else
            reloadNow(reload);
    });
}

void WebBrowserView::checkTyping(const std::function<void(qint64)> &decided)
{
    m_typing->check([this, decided](qint64 holdLeftMs) {
        updateHealth([holdLeftMs](PageHealth &health) { health.pausedForTyping = holdLeftMs > 0; });
        decided(holdLeftMs);
    });
}

void WebBrowserView::checkTypingAfterKey()
{
    if (m_typing->pending())
        return;
    checkTyping([this](qint64 holdLeftMs) {
        // The pause ends on time though no reload waits on it.
        if (holdLeftMs > 0 && !m_heldReload)
            m_holdEnd->start(timerWaitMs(holdLeftMs));
    });
}

void WebBrowserView::holdReload(const TimedReload &reload, qint64 waitMs)
{
    m_heldReload = reload;
    m_holdEnd->start(timerWaitMs(waitMs));
}

void WebBrowserView::endHold()
{
    if (!m_heldReload) {
        checkTypingAfterKey();
        return;
    }
    const TimedReload reload = *m_heldReload;
    m_heldReload.reset();
    reloadOnTimer(reload);
}

void WebBrowserView::reloadNow(const TimedReload &reload)
{
    if (m_page->showsFormAnswer()) {
        if (reload.formAnswerReplacement.isEmpty())
            return;
        m_page->setProgramNavigation(true);
        m_view->setUrl(QUrl::fromUserInput(reload.formAnswerReplacement));
        return;
    }
    m_page->setProgramNavigation(true);
    // A load still on its way gets here only once it has taken too long.
    fetchAgain();
}

void WebBrowserView::freeze(qint64 ms)
{
    m_freeze->freeze(ms);
}

PageElements *WebBrowserView::createPageElements(QObject *owner)
{
    m_elements = new WebPageElements(m_view, kScriptWorld, owner);
    return m_elements;
}

void WebBrowserView::showContextMenu(const QPoint &position)
{
    QMenu *menu = m_view->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (m_elements)
        m_elements->addMenuEntries(menu, position);
    menu->popup(m_view->mapToGlobal(position));
}

void WebBrowserView::resizeEvent(QResizeEvent *event)
{
    BrowserView::resizeEvent(event);
    m_view->resize(size());
}

void WebBrowserView::showEvent(QShowEvent *event)
{
    BrowserView::showEvent(event);
    m_freeze->thaw();
    // What the page said out of sight has been seen once its tab is in front.
    updateHealth([](PageHealth &health) { health.pageMessage.clear(); });
}
