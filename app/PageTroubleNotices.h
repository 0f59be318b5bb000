#pragma once

#include "app/core/Outage.h"

#include <QDateTime>
#include <QObject>

class BrowserView;
class HeldNotices;
struct PageHealth;
struct ReloadStatus;

// What goes wrong with a tab's page that the user hears of once: the site
// signed them out, the page stopped being updated and came back, or it kept
// killing its renderer.
class PageTroubleNotices final : public QObject
{
    Q_OBJECT

public:
    PageTroubleNotices(BrowserView *view, HeldNotices *notices, QObject *parent = nullptr);

    // A watch begun or given up: nothing has gone wrong with it yet.
    void reset();
    bool signedOut() const { return m_signedOut; }
    // The watched page has loaded, the site's sign-in page or not.
    void pageLoaded(bool onSignInPage);
    // Whether the watched page is drawn as often as it is reloaded, every
    // periodMs (0: not by a timer) since reloadingSince.
    void checkUpdated(const PageHealth &health, const QDateTime &reloadingSince, int periodMs, const QDateTime &now);
    // A signed-out tab's status says so and shows its reloads held.
    void showSignedOut(ReloadStatus &status) const;

signals:
    // The user was just signed out: the tab should catch the eye.
    void signedOutNow();

private:
    BrowserView *m_view;
    HeldNotices *m_notices;
    bool m_stoppedAfterCrashes = false; // as the view last said
    bool m_signedOut = false;           // told the user so
    OutageWatch m_outage;
};
