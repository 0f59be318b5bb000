#pragma once

#include "platform/core/CrashBackoff.h"

#include <QObject>
#include <QTimer>
#include <QWebEnginePage>

class QWebEngineView;

// Brings a page back after its render process ended abnormally (crashed,
// killed, out of memory): after the backoff wait it asks for the page to be
// loaded again. Nobody is told and nothing is shown, since the user may be
// away for hours. A load that starts meanwhile makes the reload needless.
class RendererRecovery final : public QObject
{
    Q_OBJECT

public:
    explicit RendererRecovery(QWebEngineView *view);

signals:
    // The page is gone from the view; a load in progress ended with it.
    void rendererLost();
    void reloadDue();

private:
    void renderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status);
    void reload();
    void loadStarted();
    void loadFinished(bool ok);

    QWebEngineView *m_view;
    QTimer m_wait;
    CrashBackoff m_backoff;
    bool m_holdingFocus = false;
    bool m_reviving = false;
};
