#include "platform/web/WebBrowserView.h"

#include "platform/core/ScriptAddress.h"
#include "platform/web/FrameLoads.h"
#include "platform/web/PageGuard.h"
#include "platform/web/PageScripts.h"
#include "platform/web/RendererRecovery.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <memory>

namespace {

constexpr quint32 kWorld = QWebEngineScript::ApplicationWorld;
// A page that does not say within this time whether the user is typing is reloaded.
constexpr int kEditCheckTimeoutMs = 1000;

} // namespace

WebBrowserView::WebBrowserView(QWebEngineProfile *profile, QWidget *parent)
    : BrowserView(parent)
    , m_view(new QWebEngineView(this))
{
    auto *page = new QWebEnginePage(profile, m_view);
    QWebEngineScript markEdits;
    markEdits.setSourceCode(QString::fromLatin1(kMarkEditsScript));
    markEdits.setInjectionPoint(QWebEngineScript::DocumentCreation);
    markEdits.setWorldId(kWorld);
    markEdits.setRunsOnSubFrames(true);
    page->scripts().insert(markEdits);
    m_view->setPage(page);
    connect(new PageGuard(page), &PageGuard::newPageRequested, this,
            [this](const QUrl &url) { emit newPageRequested(url.toString()); });
    connect(new FrameLoads(page), &FrameLoads::frameLoaded, this, &BrowserView::frameComplete);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &WebBrowserView::showContextMenu);
    connect(m_view, &QWebEngineView::loadFinished, this, &BrowserView::documentComplete);
    connect(m_view, &QWebEngineView::loadFinished, this, &WebBrowserView::readWatchedElement);
    m_recovery = new RendererRecovery(m_view);
    connect(m_recovery, &RendererRecovery::rendererLost, this, &BrowserView::documentComplete);
    connect(m_recovery, &RendererRecovery::reloadDue, this, &WebBrowserView::Refresh);
}

void WebBrowserView::Navigate(const QString &text)
{
    if (isScriptAddress(text))
        return;
    m_view->setUrl(QUrl::fromUserInput(text));
}

void WebBrowserView::Refresh()
{
    // A reload while an address is still on its way would drop it and fetch
    // the page shown before; asking for that address again restarts its load.
    const QUrl shown = m_view->history()->currentItem().url();
    if (m_view->url() != shown)
        m_view->setUrl(m_view->url());
    else
        m_view->reload();
}

bool WebBrowserView::GoBack()
{
    if (!m_view->history()->canGoBack())
        return false;
    m_view->back();
    return true;
}

bool WebBrowserView::GoForward()
{
    if (!m_view->history()->canGoForward())
        return false;
    m_view->forward();
    return true;
}

void WebBrowserView::RefreshUnlessEditing()
{
    if (m_editCheckPending)
        return;
    m_editCheckPending = true;
    // Whichever comes first, the page's answer or the time-out, decides.
    auto decided = std::make_shared<bool>(false);
    auto decide = [this, decided](bool editing) {
        if (*decided)
            return;
        *decided = true;
        m_editCheckPending = false;
        if (!editing)
            Refresh();
    };
    m_view->page()->runJavaScript(QString::fromLatin1(kUserIsEditingScript), kWorld,
                                  [decide](const QVariant &answer) { decide(answer.toBool()); });
    QTimer::singleShot(kEditCheckTimeoutMs, this, [decide] { decide(false); });
}

void WebBrowserView::setElementAlertsEnabled(bool enabled)
{
    m_alertsEnabled = enabled;
}

void WebBrowserView::stopWatchingElement()
{
    m_watchedSelector.clear();
}

void WebBrowserView::showContextMenu(const QPoint &position)
{
    QMenu *menu = m_view->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (m_alertsEnabled) {
        QAction *first = menu->actions().value(0);
        QAction *alert = new QAction(QStringLiteral("Alert me when this changes"), menu);
        connect(alert, &QAction::triggered, this, [this, position] { chooseElementAt(position); });
        menu->insertAction(first, alert);
        if (!m_watchedSelector.isEmpty()) {
            QAction *stop = new QAction(QStringLiteral("Stop alerting"), menu);
            connect(stop, &QAction::triggered, this, [this] {
                stopWatchingElement();
                emit elementWatchStopped();
            });
            menu->insertAction(first, stop);
        }
        menu->insertSeparator(first);
    }
    menu->popup(m_view->mapToGlobal(position));
}

void WebBrowserView::chooseElementAt(const QPoint &position)
{
    const qreal zoom = m_view->zoomFactor();
    const QString script = QString::fromLatin1(kChooseElementScript)
                               .arg(QString::number(position.x() / zoom), QString::number(position.y() / zoom));
    m_view->page()->runJavaScript(script, kWorld, [this](const QVariant &answer) {
        const QVariantList chosen = answer.toList();
        if (chosen.size() != 2 || chosen[0].toString().isEmpty())
            return;
        m_watchedSelector = chosen[0].toString();
        emit elementChosen(chosen[1].toString());
    });
}

void WebBrowserView::readWatchedElement(bool loaded)
{
    if (!loaded || m_watchedSelector.isEmpty())
        return;
    const QString selectorLiteral =
        QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{m_watchedSelector}).toJson(QJsonDocument::Compact));
    // The literal is a one-element array; the script wants its element.
    const QString script = QString::fromLatin1(kReadElementScript).arg(selectorLiteral + QStringLiteral("[0]"));
    m_view->page()->runJavaScript(script, kWorld, [this](const QVariant &answer) {
        if (m_watchedSelector.isEmpty())
            return;
        emit elementRead(answer.typeId() == QMetaType::QString, answer.toString());
    });
}

void WebBrowserView::resizeEvent(QResizeEvent *event)
{
    BrowserView::resizeEvent(event);
    m_view->resize(size());
}
