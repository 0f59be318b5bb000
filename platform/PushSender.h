#pragma once

#include "platform/core/PushMessage.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <utility>

class QNetworkAccessManager;
class QNetworkReply;

// Pushes messages to the one address the user set, in the background: a call
// returns at once. A message that does not arrive is sent again twice, after
// waits that grow, then given up with failed(). Nothing but a test is sent
// until a test has arrived.
class PushSender : public QObject
{
    Q_OBJECT

public:
    // The waits before the first and the second retry.
    explicit PushSender(QList<int> retryWaitsMs = {10000, 60000}, QObject *parent = nullptr);

    const PushSettings &settings() const { return m_settings; }
    // Messages waiting to be sent again to the old address are dropped.
    void setSettings(const PushSettings &settings);
    // Sent when the settings have an address and a test to it arrived.
    void send(const PushMessage &message);
    // Sent to settings' address once, with no retry; tested() tells how it went.
    void sendTest(const PushSettings &settings, const PushMessage &message);
    // The retry timer's tick: messages that failed are sent again.
    void retryWaiting();
    const QTimer &retryTimer() const { return m_retryTimer; }

signals:
    void failed(const PushMessage &message, const QString &why);
    // why is empty when the test arrived.
    void tested(const QString &why);

private:
    struct Attempt
    {
        PushMessage message;
        int tries = 0;
    };
    QNetworkReply *post(const PushSettings &settings, const PushMessage &message);
    void sendAttempt(Attempt attempt);

    QList<int> m_retryWaitsMs;
    PushSettings m_settings;
    QNetworkAccessManager *m_network;
    QTimer m_retryTimer;
    QList<Attempt> m_waiting;
    int m_generation = 0; // counts the settings, so that a reply to an old address is not retried
};
