#pragma once

#include <QObject>

class Notifier;
class QWebEngineDownloadRequest;
class QWebEngineProfile;

// Saves what the user downloads from a page (a link, an image, the page
// itself) into the profile's download folder, without asking where: the engine
// decides on a download while every page waits. Says when the file is saved or
// could not be. A page that starts a download by itself, or out of sight,
// saves nothing.
class Downloads final : public QObject
{
    Q_OBJECT

public:
    Downloads(QWebEngineProfile *profile, Notifier *notifier);

private:
    void downloadRequested(QWebEngineDownloadRequest *download);
    void finished(QWebEngineDownloadRequest *download);

    Notifier *m_notifier;
};
