#pragma once

#include <QObject>
#include <QWebEnginePage>

class QWebEngineNewWindowRequest;

// What a page may do besides showing itself. It opens another page only when
// the user asks for it (a link to a new window, a middle click, the context
// menu); where that page goes is the window's choice. It gets no permission
// and no full screen, refused at once rather than left waiting, and a local
// page cannot read other local files.
class PageGuard final : public QObject
{
    Q_OBJECT

public:
    explicit PageGuard(QWebEnginePage *page);

signals:
    void newPageRequested(const QUrl &url);

private:
    void newWindowRequested(QWebEngineNewWindowRequest &request);
    void featurePermissionRequested(const QUrl &origin, QWebEnginePage::Feature feature);

    QWebEnginePage *m_page;
};
