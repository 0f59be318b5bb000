#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

// Where pushed messages go: one address of a topic service in the manner of
// ntfy (the text posted, its title and priority in headers) or of a webhook
// (a small JSON object posted).
struct PushSettings
{
    enum class Kind {
        Topic,
        Webhook
    };
    Kind kind = Kind::Topic;
    QString address;     // as the user typed it
    QString token;       // sent as a bearer token; empty: none
    QStringList events;  // which of the program's events are pushed, by the program's names
    bool tested = false; // a test sent to this address arrived; nothing else is sent until one has

    bool operator==(const PushSettings &other) const
    {
        return kind == other.kind && address == other.address && token == other.token && events == other.events
            && tested == other.tested;
    }
};

// One message pushed.
struct PushMessage
{
    QString item;  // what it is about: an item number
    QString title; // the page's title
    QString event; // what happened
    QString value;
    QString timeLeft;
    QString page;     // the page's address
    int priority = 3; // 1 (least) to 5 (most), as ntfy takes it
    int tag = -1;     // the sender's own mark, given back with a failure
};

// HTTPS unless the user typed an http:// address; empty when what they typed is no address.
QUrl pushUrl(const QString &typed);
// A topic's text: what happened, then the value and time left, each where known.
QString topicText(const PushMessage &message);
// A webhook's JSON: item, title, event, value, timeLeft and page.
QByteArray webhookBody(const PushMessage &message);
