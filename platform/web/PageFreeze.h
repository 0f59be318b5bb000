#pragma once

#include <QObject>
#include <QTimer>

class QWebEnginePage;

// Freezes a hidden page: its scripts, timers and drawing stop and its
// renderer costs next to nothing, until it is thawed, at the time asked or
// before anything is done with the page.
class PageFreeze final : public QObject
{
    Q_OBJECT

public:
    explicit PageFreeze(QWebEnginePage *page);

    // Refused while the page is shown, loads, or holds text the user typed
    // into it since it loaded.
    void freeze(qint64 forMs);
    void thaw();
    bool isFrozen() const;
    // The page holds text typed into it, or put back into it, since it loaded.
    void noteTypedText() { m_typedText = true; }

private:
    QWebEnginePage *m_page;
    QTimer m_thaw;
    bool m_typedText = false;
};
