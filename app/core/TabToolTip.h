#pragma once

#include <QString>

class QUrl;

// What resting the mouse on a tab header tells: the reload status of a
// watched tab, and the page's title and address, marked when the page is not
// on the auction site.
QString tabToolTip(const QString &reloadStatus, const QString &title, const QUrl &address, bool onSite);
