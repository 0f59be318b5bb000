#pragma once

#include "platform/core/CrashBackoff.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWebEnginePage>

class QWebEngineView;

// Brings a page back after its render process ended abnormally (crashed,
// killed, out of memory): after the backoff wait it asks for the page to be
// loaded again. Nobody is told and nothing is shown, since the user may be
// away for hours, unless the renderer died too often in a row. A load that
// starts meanwhile makes the reload needless.
class RendererRecovery final : public QObject
{
    Q_OBJECT

public:
    explicit RendererRecovery(QWebEngineView *view);

    // How often the view is reloaded on a timer; 0: it is not.
    void setPeriodMs(int periodMs) { m_backoff.setPeriodMs(periodMs); }
    // The user asked for a page: the crashes before count no more.
    void startOver() { m_backoff.startOver(); }

signals:
    // The page is gone from the view; a load in progress ended with it.
    void rendererLost();
    void reloadDue();
    // The renderer died too often in a row: no reload is due until the user asks for a page.
    void gaveUp();

private:
    void renderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status);
    void askForReload();
    void loadStarted();
    void loadFinished(bool ok);

    QWebEngineView *m_view;
    QTimer m_wait;
    QElapsedTimer m_clock;
    CrashBackoff m_backoff;
    bool m_holdingFocus = false;
    bool m_reviving = false;
};
