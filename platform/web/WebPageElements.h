#pragma once

#include "platform/PageElements.h"

#include <QMap>
#include <functional>

class QMenu;
class QPoint;
class QWebEngineView;

// The page's elements on Qt WebEngine: found by a script that walks from the
// element under the pointer, and read by one after each load.
class WebPageElements final : public PageElements
{
    Q_OBJECT

public:
    // Scripts run in the world given, apart from the page's own.
    WebPageElements(QWebEngineView *view, quint32 world, QObject *owner);

    void setMenuEntries(const QStringList &labels) override;
    void read(int key, const QString &selector) override;
    void stopReading(int key) override;

    // Puts the entries for the element at position before the menu's first one.
    void addMenuEntries(QMenu *menu, const QPoint &position);

private:
    void readAfterLoad(bool loaded);
    void chooseAt(const QPoint &position, const std::function<void(const QString &, const QString &)> &chosen);
    void readElement(const QString &selector, const std::function<void(bool, const QString &)> &read);

    QWebEngineView *m_view;
    quint32 m_world;
    QStringList m_labels;
    QMap<int, QString> m_selectors; // by key
};
