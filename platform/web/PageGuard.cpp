#include "platform/web/PageGuard.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

PageGuard::PageGuard(QWebEnginePage *page)
    : QObject(page)
    , m_page(page)
{
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    // Full screen stays off, the engine's default: a page cannot take the screen.
    connect(page, &QWebEnginePage::newWindowRequested, this, &PageGuard::newWindowRequested);
    connect(page, &QWebEnginePage::featurePermissionRequested, this, &PageGuard::featurePermissionRequested);
}

void PageGuard::newWindowRequested(QWebEngineNewWindowRequest &request)
{
    // A page that opens windows by itself, on loading or on a timer, gets none.
    if (request.isUserInitiated())
        emit newPageRequested(request.requestedUrl());
}

void PageGuard::featurePermissionRequested(const QUrl &origin, QWebEnginePage::Feature feature)
{
    m_page->setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
}
