#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWebEnginePage;

// Asks a page's renderer every few seconds whether it still answers. One
// that does not is said to be not responding after a while, and later its
// render process is ended, so that the page can come back by itself.
class HangWatch final : public QObject
{
    Q_OBJECT

public:
    explicit HangWatch(QWebEnginePage *page);

    bool notResponding() const { return m_notResponding; }
    // A page waiting for the user's answer to its dialog is silent on purpose.
    void setPaused(bool paused);

signals:
    void notRespondingChanged(bool notResponding);

private:
    void check();
    void answered(quint64 probe);
    void forget();
    void setNotResponding(bool notResponding);

    QWebEnginePage *m_page;
    QTimer m_checks;
    QElapsedTimer m_asked;
    quint64 m_probe = 0;
    bool m_waiting = false;
    bool m_paused = false;
    bool m_notResponding = false;
};
