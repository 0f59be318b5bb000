#pragma once

#include "platform/PageElements.h"

#include <QMap>

// Keeps what the owner asked to read; a test picks elements and loads pages
// through it as the user and the page would.
class FakePageElements final : public PageElements
{
    Q_OBJECT

public:
    using PageElements::PageElements;

    void setMenuEntries(const QStringList &labels) override { menuEntries = labels; }
    void read(int key, const QString &selector) override { selectors[key] = selector; }
    void stopReading(int key) override { selectors.remove(key); }

    // The user chooses the menu entry so labelled on the element selector finds.
    void choose(const QString &label, const QString &selector, const QString &text)
    {
        emit picked(int(menuEntries.indexOf(label)), selector, text);
    }
    // A load of a page: the elements read whose selectors are given show
    // their texts, in the order of their keys; a null text: not on the page.
    void load(const QMap<QString, QString> &shown)
    {
        const QMap<int, QString> read = selectors;
        for (auto it = read.cbegin(); it != read.cend(); ++it) {
            if (shown.contains(*it))
                emit elementRead(it.key(), !shown[*it].isNull(), shown[*it]);
        }
        emit loadRead();
    }

    QStringList menuEntries;
    QMap<int, QString> selectors; // by key
};
