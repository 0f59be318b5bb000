#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 for the tests with real web views: it
// answers every GET with the page set for its path and records the requests.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    explicit LocalHttpServer(QObject *parent = nullptr);

    QString host() const;   // "127.0.0.1:port"
    void setPage(const QString &path, const QByteArray &html) { m_pages.insert(path, html); }
    // Requests for the path are taken and never answered.
    void setHanging(const QString &path) { m_hanging << path; }
    int requestCount(const QString &path) const { return m_requests.count(path); }
    QStringList requests() const { return m_requests; }

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, QByteArray> m_pages;
    QStringList m_requests;
    QStringList m_hanging;
};
