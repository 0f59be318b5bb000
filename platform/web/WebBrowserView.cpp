#include "platform/web/WebBrowserView.h"

#include "platform/core/PagePatience.h"
#include "platform/core/ScriptAddress.h"
#include "platform/web/FrameLoads.h"
#include "platform/web/HangWatch.h"
#include "platform/web/PageElements.h"
#include "platform/web/PageGuard.h"
#include "platform/web/PageScripts.h"
#include "platform/web/RendererRecovery.h"
#include "platform/web/WebPage.h"

#include <QChildEvent>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <memory>

namespace {

constexpr quint32 kWorld = QWebEngineScript::ApplicationWorld;
// A page that does not say within this time whether the user is typing is reloaded.
constexpr int kTypingCheckTimeoutMs = 1000;

} // namespace

WebBrowserView::WebBrowserView(QWebEngineProfile *profile, QWidget *parent)
    : BrowserView(parent)
    , m_view(new QWebEngineView(this))
    , m_page(new WebPage(profile, this))
{
    QWebEngineScript markEdits;
    markEdits.setSourceCode(QString::fromLatin1(kMarkEditsScript));
    markEdits.setInjectionPoint(QWebEngineScript::DocumentCreation);
    markEdits.setWorldId(kWorld);
    markEdits.setRunsOnSubFrames(true);
    m_page->scripts().insert(markEdits);
    // The page's input goes to a widget the view makes, again for each renderer.
    m_view->installEventFilter(this);
    m_view->setPage(m_page);
    connect(new PageGuard(m_page), &PageGuard::newPageRequested, this,
            [this](const QUrl &url) { emit newPageRequested(url.toString()); });
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &WebBrowserView::showContextMenu);
    connect(m_view, &QWebEngineView::loadFinished, this, &BrowserView::documentComplete);
    m_elements = new PageElements(m_view, kWorld);
    connect(m_view, &QWebEngineView::loadFinished, m_elements, &PageElements::readAfterLoad);
    connect(m_elements, &PageElements::followed, this, &BrowserView::elementChosen);
    connect(m_elements, &PageElements::read, this, &BrowserView::elementRead);
    connect(m_elements, &PageElements::timeLeftRead, this, &BrowserView::timeLeftRead);
    connect(m_elements, &PageElements::stopAsked, this, &BrowserView::elementWatchStopped);
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
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        updateHealth([](PageHealth &health) {
            health.lastDrawn = QDateTime::currentDateTime();
            health.loadError.clear();
        });
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus: {
        const QString error = info.errorString().isEmpty() ? QStringLiteral("error %1").arg(info.errorCode())
                                                           : info.errorString();
        updateHealth([&error](PageHealth &health) { health.loadError = error; });
        break;
    }
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_loadClock.start();
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        break;
    }
}

void WebBrowserView::userNavigates()
{
    m_page->setProgramNavigation(true);
    m_recovery->startOver();
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
    m_recovery->setPeriodMs(reload.periodMs);
    // The tab says why it is not reloaded: its health tells.
    if (m_typingCheckPending || m_hangWatch->notResponding() || m_health.stoppedAfterCrashes)
        return;
    if (m_page->isLoading() && m_loadClock.isValid() && m_loadClock.elapsed() < loadPatienceMs(reload.periodMs))
        return;
    m_typingCheckPending = true;
    // Whichever comes first, the page's answer or the time-out, decides.
    auto decided = std::make_shared<bool>(false);
    auto decide = [this, decided, reload](qint64 msSinceTyped) {
        if (*decided)
            return;
        *decided = true;
        m_typingCheckPending = false;
        const bool held = typingHoldsReload(msSinceTyped >= 0, m_page->inFront(), msSinceTyped);
        updateHealth([held](PageHealth &health) { health.pausedForTyping = held; });
        if (!held)
            reloadNow(reload);
    };
    m_page->runJavaScript(QString::fromLatin1(kTypedTextAgeScript), kWorld, [decide](const QVariant &answer) {
        bool isNumber = false;
        const qint64 age = answer.toLongLong(&isNumber);
        decide(isNumber ? age : -1);
    });
    QTimer::singleShot(kTypingCheckTimeoutMs, this, [decide] { decide(-1); });
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

void WebBrowserView::setElementAlertsEnabled(bool enabled)
{
    m_alertsEnabled = enabled;
}

void WebBrowserView::stopWatchingElement()
{
    m_elements->stopFollowing();
}

void WebBrowserView::stopReadingTimeLeft()
{
    m_elements->stopReadingTimeLeft();
}

void WebBrowserView::showContextMenu(const QPoint &position)
{
    QMenu *menu = m_view->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (m_alertsEnabled)
        m_elements->addMenuEntries(menu, position);
    menu->popup(m_view->mapToGlobal(position));
}

bool WebBrowserView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == m_view)
            static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
        m_page->noteUserInput();
        break;
    default:
        break;
    }
    return BrowserView::eventFilter(watched, event);
}

void WebBrowserView::resizeEvent(QResizeEvent *event)
{
    BrowserView::resizeEvent(event);
    m_view->resize(size());
}

void WebBrowserView::showEvent(QShowEvent *event)
{
    BrowserView::showEvent(event);
    // What the page said out of sight has been seen once its tab is in front.
    updateHealth([](PageHealth &health) { health.pageMessage.clear(); });
}

QStringList WebBrowserView::followedElements() const
{
    return m_elements->followedSelectors();
}

QString WebBrowserView::timeLeftElement() const
{
    return m_elements->timeLeftSelector();
}

void WebBrowserView::restoreElements(const QStringList &followed, const QString &timeLeft)
{
    m_elements->restore(followed, timeLeft);
}
