#pragma once

#include <QString>
#include <optional>

// Follows the text of one chosen element of a page from reload to reload.
class ElementWatch
{
public:
    struct Change
    {
        QString before;
        QString after;
        bool gone = false;
    };

    explicit ElementWatch(const QString &text)
        : m_text(text)
    {
    }

    // The element's text after a reload, or none when it is gone. A change is
    // reported once; an element that is gone waits to come back, and is then
    // compared with the text it had before it went.
    std::optional<Change> observe(const std::optional<QString> &text);

private:
    QString m_text;
    bool m_gone = false;
};

// "'US $41.00' is now 'US $45.00'", or "'US $41.00' is gone".
QString changeText(const ElementWatch::Change &change);
