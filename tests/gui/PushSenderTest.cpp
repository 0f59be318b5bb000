#include "platform/PushSender.h"
#include "StandInPushServer.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class PushSenderTest : public QObject
{
    Q_OBJECT

private slots:
    void nothingButATestIsSentUntilATestArrivedAndATopicGetsTheTextAndHeaders()
    {
        StandInPushServer server;
        PushSender sender;
        PushSettings settings{PushSettings::Kind::Topic, server.address("/gavrin"), "tk_1", {}, false};
        sender.setSettings(settings);
        const PushMessage outbid{"1234", "Penny Black", "Outbid", "US $1,250.00", "4m 10s", "http://x/1234", 5};
        sender.send(outbid);

        QSignalSpy tested(&sender, &PushSender::tested);
        sender.sendTest(settings, {{}, "Gavrin", "A test", {}, {}, {}, 3});
        QVERIFY(tested.wait());
        QCOMPARE(tested[0][0].toString(), QString());
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests[0].body, QByteArray("A test"));

        settings.tested = true;
        sender.setSettings(settings);
        sender.send(outbid);
        QTRY_COMPARE(server.requests.size(), 2);
        const auto &pushed = server.requests[1];
        QVERIFY(pushed.head.startsWith("POST /gavrin "));
        QCOMPARE(pushed.body, QByteArray("Outbid\nUS $1,250.00, 4m 10s left"));
        QCOMPARE(pushed.header("Title"), QByteArray("Penny Black"));
        QCOMPARE(pushed.header("Priority"), QByteArray("5"));
        QCOMPARE(pushed.header("Authorization"), QByteArray("Bearer tk_1"));
        QCOMPARE(pushed.header("Click"), QByteArray("http://x/1234"));
    }

    void aWebhookGetsJsonAndAFailingOneIsTriedThreeTimesThenFails()
    {
        StandInPushServer server;
        server.statuses = {503, 503, 503};
        PushSender sender({10, 20});
        sender.setSettings({PushSettings::Kind::Webhook, server.address("/hook"), {}, {}, true});
        QSignalSpy failed(&sender, &PushSender::failed);
        sender.send({"1234", "Penny Black", "Above 1,000", "US $1,050.00", "2h 5m", "http://x/1234", 4});
        QVERIFY(failed.wait());
        QCOMPARE(failed[0][1].toString(), QString("HTTP 503"));
        QCOMPARE(server.requests.size(), 3);
        QVERIFY(server.requests[0].header("Authorization").isEmpty());
        const QJsonObject body = QJsonDocument::fromJson(server.requests[2].body).object();
        QCOMPARE(body.toVariantMap(),
                 (QVariantMap{{"item", "1234"},
                              {"title", "Penny Black"},
                              {"event", "Above 1,000"},
                              {"value", "US $1,050.00"},
                              {"timeLeft", "2h 5m"},
                              {"page", "http://x/1234"}}));
    }

    // The call returns at once; the failure comes by signal, after the retries.
    void aDeadAddressBlocksNothing()
    {
        quint16 closedPort = 0;
        {
            StandInPushServer gone;
            closedPort = gone.serverPort();
        }
        PushSender sender({10, 20});
        sender.setSettings({PushSettings::Kind::Topic, QString("http://127.0.0.1:%1/t").arg(closedPort), {}, {}, true});
        QSignalSpy failed(&sender, &PushSender::failed);
        QElapsedTimer call;
        call.start();
        sender.send({"1", "Blue vase", "Ended", {}, {}, {}, 3});
        QVERIFY(call.elapsed() < 100);
        QVERIFY(failed.isEmpty());
        QTRY_VERIFY(sender.retryTimer().isActive());
        QVERIFY(failed.wait());
        QCOMPARE(failed[0][0].value<PushMessage>().title, QString("Blue vase"));
    }
};

QTEST_MAIN(PushSenderTest)
#include "PushSenderTest.moc"
