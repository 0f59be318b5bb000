#include "platform/web/RendererRecovery.h"

#include <QWebEngineView>

RendererRecovery::RendererRecovery(QWebEngineView *view)
    : QObject(view)
    , m_view(view)
{
    m_clock.start();
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &RendererRecovery::askForReload);
    QWebEnginePage *page = view->page();
    connect(page, &QWebEnginePage::renderProcessTerminated, this, &RendererRecovery::renderProcessTerminated);
    connect(page, &QWebEnginePage::loadStarted, this, &RendererRecovery::loadStarted);
    connect(page, &QWebEnginePage::loadFinished, this, &RendererRecovery::loadFinished);
}

void RendererRecovery::renderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // The engine hands the keyboard focus to a view whose renderer died and to
    // its new renderer, even in a tab at the back: the user would type into a
    // page out of sight. A disabled view cannot take it; the first load into
    // the new renderer gives the view back.
    if (!m_view->hasFocus()) {
        m_holdingFocus = true;
        m_view->setEnabled(false);
    }
    if (const auto wait = m_backoff.rendererEnded(m_clock.elapsed()))
        m_wait.start(*wait);
    else
        emit gaveUp();
    emit rendererLost();
}

void RendererRecovery::askForReload()
{
    // A load still under way when its renderer died goes on without a new
    // start; the reload is what brings a new renderer.
    m_reviving = m_holdingFocus;
    emit reloadDue();
}

void RendererRecovery::loadStarted()
{
    m_wait.stop();
    m_reviving = m_holdingFocus;
}

void RendererRecovery::loadFinished(bool ok)
{
    if (m_reviving) {
        m_reviving = m_holdingFocus = false;
        m_view->setEnabled(true);
    }
    if (ok)
        m_backoff.pageLoaded(m_clock.elapsed());
}
