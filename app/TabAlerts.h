#pragma once

#include "app/core/AlertEvents.h"
#include "platform/core/PushMessage.h"

#include <QDateTime>
#include <QObject>
#include <functional>

class AlertPush;
class BrowserView;
class FollowedElements;
class HeldNotices;
class SettingsStore;
struct AlertCondition;

// What a watch tab alerts of beyond changes: the conditions and the lead the
// user sets on its followed elements, through small dialogs that wait on no
// one, and the events pushed to the phone.
class TabAlerts final : public QObject
{
    Q_OBJECT

public:
    // about tells a push message what the tab shows now: its item, title,
    // price, time left, page and tab; view is where the dialogs open.
    TabAlerts(FollowedElements *followed, HeldNotices *notices, BrowserView *view, SettingsStore *settings,
              AlertPush *alertPush, std::function<PushMessage()> about, QObject *parent = nullptr);

    // Lines for the tab's tooltip: conditions that could not be read, a push that failed.
    QString problems() const;
    void pushFailed(const QString &why);
    // The tab was given back: what went wrong with it is old news.
    void clear();

signals:
    // The lead was lost: the tab should catch the eye.
    void outbid();

private:
    void askCondition(const QString &selector, const QString &text, const AlertCondition &condition);
    void askLead(const QString &selector, const QString &text);
    void tellOutbid();
    void push(AlertEvent event, const QString &what);

    FollowedElements *m_followed;
    HeldNotices *m_notices;
    BrowserView *m_view;
    SettingsStore *m_settings;
    AlertPush *m_push;
    std::function<PushMessage()> m_about;
    QString m_pushProblem; // why the last push given up failed; empty: none did
    QDateTime m_pushFailedAt;
};
