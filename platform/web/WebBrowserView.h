#pragma once

#include "platform/BrowserView.h"

class QWebEngineProfile;
class QWebEngineView;

// The browser view on Qt WebEngine. All views of the program share one profile.
class WebBrowserView final : public BrowserView
{
    Q_OBJECT

public:
    WebBrowserView(QWebEngineProfile *profile, QWidget *parent = nullptr);

    void Navigate(const QString &text) override;
    void Refresh() override;
    bool GoBack() override;
    bool GoForward() override;

    QWebEngineView *view() const { return m_view; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWebEngineView *m_view;
};
