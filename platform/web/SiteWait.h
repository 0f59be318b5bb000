#pragma once

#include <QDateTime>
#include <QObject>

class QWebEnginePage;

// Learns how long a site that turned a load away asked to be left alone, or
// guesses it when the site did not say.
class SiteWait final : public QObject
{
    Q_OBJECT

public:
    explicit SiteWait(QWebEnginePage *page);

    void ask(int httpStatus);
    // A page drawn: the next site that asks without saying starts from the first guess.
    void forget() { m_guessMs = 0; }

signals:
    void waitAsked(const QDateTime &until, int seconds);

private:
    void readAnswer(int httpStatus, int polls);

    QWebEnginePage *m_page;
    qint64 m_guessMs = 0; // the last wait chosen for a site that asked without saying how long
};
