#include "platform/web/TypingCheck.h"

#include "platform/web/PageScripts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <QWebEnginePage>
#include <memory>

namespace {

// A page that does not say within this time whether the user is typing is reloaded.
constexpr int kTypingCheckTimeoutMs = 1000;

} // namespace

TypingCheck::TypingCheck(QWebEnginePage *page)
    : QObject(page)
    , m_page(page)
{
}

void TypingCheck::check(const std::function<void(qint64)> &decided)
{
    m_pending = true;
    // Whichever comes first, the page's answer or the time-out, decides.
    auto done = std::make_shared<bool>(false);
    auto decide = [this, done, decided](qint64 msSinceTyped) {
        if (*done)
            return;
        *done = true;
        m_pending = false;
        decided(typingHoldLeftMs(msSinceTyped, m_holdMs));
    };
    const QUrl address = m_page->url();
    m_page->runJavaScript(QString::fromLatin1(kTypedTextScript), kScriptWorld,
                          [this, decide, address](const QVariant &answer) {
                              const QVariantMap typed = answer.toMap();
                              if (m_page->url() == address) {
                                  m_typedFields = typed.value(QStringLiteral("fields")).toList();
                                  m_typedAddress = address;
                              }
                              bool isNumber = false;
                              const qint64 age = typed.value(QStringLiteral("age")).toLongLong(&isNumber);
                              decide(isNumber ? age : -1);
                          });
    QTimer::singleShot(kTypingCheckTimeoutMs, this, [decide] { decide(-1); });
}

bool TypingCheck::pageDrawn(const QUrl &url)
{
    const bool putBack = !m_typedFields.isEmpty() && url == m_typedAddress;
    if (putBack) {
        const QByteArray fields =
            QJsonDocument(QJsonArray::fromVariantList(m_typedFields)).toJson(QJsonDocument::Compact);
        m_page->runJavaScript(QString::fromLatin1(kPutBackTypedTextScript).arg(QString::fromUtf8(fields)),
                              kScriptWorld);
    }
    m_typedFields.clear();
    return putBack;
}
