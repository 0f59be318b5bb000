#include "app/PageTroubleNotices.h"

#include "app/HeldNotices.h"
#include "app/core/ReloadStatus.h"
#include "platform/BrowserView.h"
#include "platform/core/CrashBackoff.h"
#include "platform/core/PageHealth.h"

namespace {

const QString kSignedOut = QStringLiteral("Signed out: sign in on the services tab");

} // namespace

PageTroubleNotices::PageTroubleNotices(BrowserView *view, HeldNotices *notices, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_notices(notices)
{
    // A page that keeps killing its renderer is left alone, which the user hears of once.
    connect(m_view, &BrowserView::healthChanged, this, [this] {
        const bool stopped = m_view->health().stoppedAfterCrashes;
        if (stopped && !m_stoppedAfterCrashes) {
            m_notices->held().stoppedUpdating(
                QStringLiteral("stopped, the page crashed %1 times in a row").arg(CrashBackoff::kCrashesToGiveUp));
            m_notices->tell();
        }
        m_stoppedAfterCrashes = stopped;
    });
}

void PageTroubleNotices::reset()
{
    m_outage.reset();
    m_signedOut = false;
}

void PageTroubleNotices::pageLoaded(bool onSignInPage)
{
    if (onSignInPage && !m_signedOut) {
        emit signedOutNow();
        m_notices->tellNews(kSignedOut);
    }
    m_signedOut = onSignInPage;
}

void PageTroubleNotices::checkUpdated(const PageHealth &health, const QDateTime &reloadingSince, int periodMs,
                                      const QDateTime &now)
{
    const bool held = health.pausedForTyping || m_signedOut;
    switch (m_outage.check(health.lastDrawn, reloadingSince, periodMs, held, now)) {
    case OutageWatch::News::Down: {
        const QDateTime since = undrawnSince(health.lastDrawn, reloadingSince);
        QString message = QStringLiteral("not updated since %1").arg(since.toString(QStringLiteral("HH:mm")));
        if (!health.loadError.isEmpty())
            message += QStringLiteral(" (%1)").arg(health.loadError);
        m_notices->held().stoppedUpdating(message);
        m_notices->tell();
        break;
    }
    case OutageWatch::News::Back:
        m_notices->tellNews(QStringLiteral("updated again"));
        break;
    case OutageWatch::News::None:
        break;
    }
}

void PageTroubleNotices::showSignedOut(ReloadStatus &status) const
{
    if (!m_signedOut)
        return;
    status.tooltip.prepend(kSignedOut + QLatin1Char('\n'));
    status.tone = HealthTone::Held;
}
