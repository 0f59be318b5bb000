#include "platform/PushSender.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// A push service that takes longer than this is not waiting for us.
constexpr int kTransferTimeoutMs = 20000;

// Why a reply is not an arrival; empty when it is one.
QString replyProblem(QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError && status == 0)
        return reply->errorString();
    if (status < 200 || status > 299)
        return QStringLiteral("HTTP %1").arg(status);
    return {};
}

} // namespace

PushSender::PushSender(QList<int> retryWaitsMs, QObject *parent)
    : QObject(parent)
    , m_retryWaitsMs(std::move(retryWaitsMs))
    , m_network(new QNetworkAccessManager(this))
{
    m_network->setTransferTimeout(kTransferTimeoutMs);
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &PushSender::retryWaiting);
}

void PushSender::setSettings(const PushSettings &settings)
{
    m_settings = settings;
    ++m_generation;
    m_waiting.clear();
    m_retryTimer.stop();
}

void PushSender::send(const PushMessage &message)
{
    if (m_settings.tested && !pushUrl(m_settings.address).isEmpty())
        sendAttempt({message, 0});
}

void PushSender::sendTest(const PushSettings &settings, const PushMessage &message)
{
    if (pushUrl(settings.address).isEmpty()) {
        emit tested(QStringLiteral("not an address"));
        return;
    }
    QNetworkReply *reply = post(settings, message);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        emit tested(replyProblem(reply));
    });
}

void PushSender::retryWaiting()
{
    m_retryTimer.stop();
    const QList<Attempt> waiting = std::exchange(m_waiting, {});
    for (const Attempt &attempt : waiting)
        sendAttempt(attempt);
}

QNetworkReply *PushSender::post(const PushSettings &settings, const PushMessage &message)
{
    QNetworkRequest request(pushUrl(settings.address));
    if (!settings.token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + settings.token.toUtf8());
    if (settings.kind == PushSettings::Kind::Webhook) {
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        return m_network->post(request, webhookBody(message));
    }
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/plain; charset=utf-8"));
    // Header values are Latin-1 at best: a title is sent as UTF-8, which ntfy reads.
    request.setRawHeader("Title", message.title.toUtf8());
    request.setRawHeader("Priority", QByteArray::number(message.priority));
    if (!message.page.isEmpty())
        request.setRawHeader("Click", message.page.toUtf8());
    return m_network->post(request, topicText(message).toUtf8());
}

void PushSender::sendAttempt(Attempt attempt)
{
    ++attempt.tries;
    QNetworkReply *reply = post(m_settings, attempt.message);
    connect(reply, &QNetworkReply::finished, this, [this, reply, attempt, generation = m_generation] {
        reply->deleteLater();
        const QString why = replyProblem(reply);
        if (why.isEmpty() || generation != m_generation)
            return;
        if (attempt.tries > m_retryWaitsMs.size()) {
            emit failed(attempt.message, why);
            return;
        }
        m_waiting.append(attempt);
        if (!m_retryTimer.isActive())
            m_retryTimer.start(m_retryWaitsMs[attempt.tries - 1]);
    });
}
