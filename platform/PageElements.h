#pragma once

#include <QObject>
#include <QStringList>

// Elements of the page shown that the user points at through its context
// menu. Each element read is found again by its selector after every load of
// the page, and its text told under the key its reader gave it.
class PageElements : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The entries put first on the page's context menu, in order; none: the
    // menu is the page's own.
    virtual void setMenuEntries(const QStringList &labels) = 0;
    // Reads the element selector finds after each load from now on; a key
    // read before is pointed at the new element.
    virtual void read(int key, const QString &selector) = 0;
    virtual void stopReading(int key) = 0;

signals:
    // The user chose the menu entry (counted from 0, as set) on the element
    // that selector finds, which shows text.
    void picked(int entry, const QString &selector, const QString &text);
    // An element's text after a page finished loading; found is false when
    // the element is not on the page.
    void elementRead(int key, bool found, const QString &text);
    // Every element read after one load has been told.
    void loadRead();
};
