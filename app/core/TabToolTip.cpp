#include "app/core/TabToolTip.h"

#include <QStringList>
#include <QUrl>

QString tabToolTip(const QString &reloadStatus, const QString &title, const QUrl &address, bool onSite)
{
    QStringList lines;
    if (!reloadStatus.isEmpty())
        lines << reloadStatus;
    if (!title.isEmpty())
        lines << QStringLiteral("Page: %1").arg(title);
    if (!address.isEmpty()) {
        const QString shown = address.toDisplayString();
        lines << (onSite ? QStringLiteral("Address: %1").arg(shown)
                         : QStringLiteral("Not on the auction site: %1").arg(shown));
    }
    return lines.join(QLatin1Char('\n'));
}
