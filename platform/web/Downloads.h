#pragma once

#include <QObject>
#include <functional>

class Notifier;
class QWebEngineDownloadRequest;
class QWebEngineProfile;

// Saves what the user asks to download from a page (a link, an image, the page
// itself): asks where, offering the profile's download folder, and says when
// the file is saved or could not be.
class Downloads final : public QObject
{
    Q_OBJECT

public:
    // Given the suggested full path, gives the chosen one, or nothing when the
    // user declines.
    using AskWhere = std::function<QString(const QString &suggestedPath)>;

    Downloads(QWebEngineProfile *profile, AskWhere askWhere, Notifier *notifier);

private:
    void downloadRequested(QWebEngineDownloadRequest *download);
    void finished(QWebEngineDownloadRequest *download);

    AskWhere m_askWhere;
    Notifier *m_notifier;
};
