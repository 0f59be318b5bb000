#pragma once

#include <QObject>
#include <QTimer>

class QWebEnginePage;

// Asks a page's renderer every few seconds whether it still answers. One
// that does not, while other pages do, is said to be not responding after a
// while, and later its render process is ended, so that the page can come
// back by itself.
class HangWatch final : public QObject
{
    Q_OBJECT

public:
    explicit HangWatch(QWebEnginePage *page);

    bool notResponding() const { return m_notResponding; }

signals:
    void notRespondingChanged(bool notResponding);

private:
    void check();
    void answered(quint64 probe);
    void forget();
    void setNotResponding(bool notResponding);

    QWebEnginePage *m_page;
    QTimer m_checks;
    qint64 m_askedAtMs = 0;
    quint64 m_probe = 0;
    bool m_waiting = false;
    bool m_notResponding = false;
};
