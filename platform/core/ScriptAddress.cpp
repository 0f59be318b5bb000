#include "platform/core/ScriptAddress.h"

#include <QUrl>

bool isScriptAddress(const QString &text)
{
    // Browsers drop blanks and controls before an address and tabs and line
    // breaks inside it, so "java\tscript:" is a script address to them too.
    QString bare;
    for (const QChar c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r' || (bare.isEmpty() && c.unicode() <= 0x20))
            continue;
        bare += c;
    }
    const QString scheme = QUrl::fromUserInput(text).scheme();
    return bare.startsWith(QStringLiteral("javascript:"), Qt::CaseInsensitive)
        || bare.startsWith(QStringLiteral("data:"), Qt::CaseInsensitive) || scheme == QStringLiteral("javascript")
        || scheme == QStringLiteral("data");
}
