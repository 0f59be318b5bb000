#pragma once

#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

// A push service on 127.0.0.1 that records each request and answers each
// with the next of `statuses` (200 once they run out).
class StandInPushServer : public QTcpServer
{
public:
    struct Request
    {
        QByteArray head; // the request line and headers
        QByteArray body;
        QByteArray header(const QByteArray &name) const
        {
            for (const QByteArray &line : head.split('\n')) {
                if (line.toLower().startsWith(name.toLower() + ':'))
                    return line.mid(name.size() + 1).trimmed();
            }
            return {};
        }
    };
    QList<Request> requests;
    QList<int> statuses;

    StandInPushServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }
    QString address(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &got = m_partial[socket];
        got += socket->readAll();
        const int headEnd = int(got.indexOf("\r\n\r\n"));
        if (headEnd < 0)
            return;
        Request request{got.left(headEnd), got.mid(headEnd + 4)};
        if (request.body.size() < request.header("Content-Length").toInt())
            return;
        requests << request;
        m_partial.remove(socket);
        const int status = statuses.isEmpty() ? 200 : statuses.takeFirst();
        socket->write(QByteArray("HTTP/1.1 ") + QByteArray::number(status)
                      + " X\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
    }

    QHash<QTcpSocket *, QByteArray> m_partial;
};
