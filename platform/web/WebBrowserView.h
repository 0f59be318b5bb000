#pragma once

#include "platform/BrowserView.h"

#include <QElapsedTimer>
#include <functional>

class FrameLoads;
class HangWatch;
class PageElements;
class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineView;
class RendererRecovery;
class WebPage;

// The browser view on Qt WebEngine. All views of the program share one profile.
// A page whose render process dies or hangs comes back by itself.
class WebBrowserView final : public BrowserView
{
    Q_OBJECT

public:
    WebBrowserView(QWebEngineProfile *profile, QWidget *parent = nullptr);

    void open(const QString &text) override;
    void reload() override;
    bool showsFormAnswer() const override;
    void resendForm() override;
    bool back() override;
    bool forward() override;
    void reloadOnTimer(const TimedReload &reload) override;
    PageHealth health() const override { return m_health; }
    QString title() const override;
    QUrl address() const override;
    void reportFrameLoads() override;
    void setElementAlertsEnabled(bool enabled) override;
    void stopWatchingElement() override;
    void stopReadingTimeLeft() override;
    QStringList followedElements() const override;
    QString timeLeftElement() const override;
    void restoreElements(const QStringList &followed, const QString &timeLeft) override;

    QWebEngineView *view() const { return m_view; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void userNavigates();
    void reloadNow(const TimedReload &reload);
    void fetchAgain();
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void updateHealth(const std::function<void(PageHealth &)> &change);
    void showContextMenu(const QPoint &position);

    QWebEngineView *m_view;
    WebPage *m_page;
    HangWatch *m_hangWatch;
    RendererRecovery *m_recovery;
    PageElements *m_elements;
    FrameLoads *m_frameLoads = nullptr;
    QElapsedTimer m_loadClock;
    PageHealth m_health;
    bool m_alertsEnabled = false;
    bool m_typingCheckPending = false;
};
