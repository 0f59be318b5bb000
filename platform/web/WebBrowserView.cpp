#include "platform/web/WebBrowserView.h"

#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

WebBrowserView::WebBrowserView(QWebEngineProfile *profile, QWidget *parent)
    : BrowserView(parent)
    , m_view(new QWebEngineView(this))
{
    m_view->setPage(new QWebEnginePage(profile, m_view));
    connect(m_view, &QWebEngineView::loadFinished, this, &BrowserView::documentComplete);
}

void WebBrowserView::Navigate(const QString &text)
{
    m_view->setUrl(QUrl::fromUserInput(text, QString(), QUrl::AssumeLocalFile));
}

void WebBrowserView::Refresh()
{
    m_view->reload();
}

bool WebBrowserView::GoBack()
{
    if (!m_view->history()->canGoBack())
        return false;
    m_view->back();
    return true;
}

bool WebBrowserView::GoForward()
{
    if (!m_view->history()->canGoForward())
        return false;
    m_view->forward();
    return true;
}

void WebBrowserView::resizeEvent(QResizeEvent *event)
{
    BrowserView::resizeEvent(event);
    m_view->resize(size());
}
