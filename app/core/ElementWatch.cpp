#include "app/core/ElementWatch.h"

std::optional<ElementWatch::Change> ElementWatch::observe(const std::optional<QString> &text)
{
    if (!text) {
        if (m_gone)
            return std::nullopt;
        m_gone = true;
        return Change{m_text, QString(), true};
    }
    m_gone = false;
    if (*text == m_text)
        return std::nullopt;
    Change change{m_text, *text, false};
    m_text = *text;
    return change;
}

namespace {

// A notification has room for a price or a status, not for a whole page.
QString shortened(const QString &text)
{
    constexpr int kMost = 60;
    const QString oneLine = text.simplified();
    return oneLine.size() <= kMost ? oneLine : oneLine.left(kMost - 1) + QChar(0x2026);
}

} // namespace

QString changeText(const ElementWatch::Change &change)
{
    if (change.gone)
        return QStringLiteral("'%1' is gone").arg(shortened(change.before));
    return QStringLiteral("'%1' is now '%2'").arg(shortened(change.before), shortened(change.after));
}
