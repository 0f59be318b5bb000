#pragma once

#include "platform/core/PagePatience.h"

#include <QObject>
#include <QUrl>
#include <QVariantList>
#include <functional>

class QWebEnginePage;

// Asks a page whether the user is typing into it, and keeps the text typed so
// far to be put back into the same page loaded anew.
class TypingCheck final : public QObject
{
    Q_OBJECT

public:
    explicit TypingCheck(QWebEnginePage *page);

    bool pending() const { return m_pending; }
    void setHoldMs(qint64 holdMs) { m_holdMs = holdMs; }
    // holdLeftMs is how much longer the typing holds a reload (0: it does not).
    void check(const std::function<void(qint64 holdLeftMs)> &decided);
    // The kept text goes back into the page drawn at url if it was typed
    // there; true: it went back.
    bool pageDrawn(const QUrl &url);
    void forget() { m_typedFields.clear(); }

private:
    QWebEnginePage *m_page;
    bool m_pending = false;
    qint64 m_holdMs = kTypingHoldMs; // as the last timed reload told
    QVariantList m_typedFields;      // to be put back into the page loaded anew from m_typedAddress
    QUrl m_typedAddress;
};
