#pragma once

#include "platform/BrowserView.h"

#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <optional>

class FrameLoads;
class HangWatch;
class PageFreeze;
class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QTimer;
class QWebEngineView;
class RendererRecovery;
class SiteWait;
class TypingCheck;
class WebPage;
class WebPageElements;

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
    PageElements *createPageElements(QObject *owner) override;
    void freeze(qint64 ms) override;

    QWebEngineView *view() const { return m_view; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void userNavigates();
    void reloadNow(const TimedReload &reload);
    void fetchAgain();
    // The page's answer whether the user is typing, shown in the tab's health.
    void checkTyping(const std::function<void(qint64 holdLeftMs)> &decided);
    void checkTypingAfterKey();
    // The reload comes once the wait is over, unless something holds it then.
    void holdReload(const TimedReload &reload, qint64 waitMs);
    void endHold();
    qint64 siteWaitLeftMs() const;
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void updateHealth(const std::function<void(PageHealth &)> &change);
    void showContextMenu(const QPoint &position);

    QWebEngineView *m_view;
    WebPage *m_page;
    TypingCheck *m_typing;
    SiteWait *m_siteWait;
    HangWatch *m_hangWatch;
    PageFreeze *m_freeze;
    RendererRecovery *m_recovery;
    QPointer<WebPageElements> m_elements; // whose entries the context menu offers
    FrameLoads *m_frameLoads = nullptr;
    QElapsedTimer m_loadClock;
    PageHealth m_health;
    std::optional<TimedReload> m_heldReload;
    QTimer *m_holdEnd;
};
