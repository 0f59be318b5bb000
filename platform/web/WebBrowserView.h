#pragma once

#include "platform/BrowserView.h"

class QWebEngineProfile;
class QWebEngineView;
class RendererRecovery;

// The browser view on Qt WebEngine. All views of the program share one profile.
// A page whose render process dies comes back by itself.
class WebBrowserView final : public BrowserView
{
    Q_OBJECT

public:
    WebBrowserView(QWebEngineProfile *profile, QWidget *parent = nullptr);

    void Navigate(const QString &text) override;
    void Refresh() override;
    bool GoBack() override;
    bool GoForward() override;
    void RefreshUnlessEditing() override;
    void setElementAlertsEnabled(bool enabled) override;
    void stopWatchingElement() override;

    QWebEngineView *view() const { return m_view; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showContextMenu(const QPoint &position);
    void chooseElementAt(const QPoint &position);
    void readWatchedElement(bool loaded);

    QWebEngineView *m_view;
    bool m_alertsEnabled = false;
    bool m_editCheckPending = false;
    QString m_watchedSelector;
    RendererRecovery *m_recovery;
};
