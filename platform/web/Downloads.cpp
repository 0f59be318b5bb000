#include "platform/web/Downloads.h"

#include "platform/Notifier.h"

#include <QDir>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

Downloads::Downloads(QWebEngineProfile *profile, AskWhere askWhere, Notifier *notifier)
    : QObject(profile)
    , m_askWhere(std::move(askWhere))
    , m_notifier(notifier)
{
    connect(profile, &QWebEngineProfile::downloadRequested, this, &Downloads::downloadRequested);
}

void Downloads::downloadRequested(QWebEngineDownloadRequest *download)
{
    const QString suggested = QDir(download->downloadDirectory()).filePath(download->downloadFileName());
    const QString chosen = m_askWhere(suggested);
    // Not accepted here, the download is cancelled.
    if (chosen.isEmpty())
        return;
    const QFileInfo target(chosen);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, download] { finished(download); });
    download->accept();
}

void Downloads::finished(QWebEngineDownloadRequest *download)
{
    const QString path = QDir(download->downloadDirectory()).filePath(download->downloadFileName());
    if (download->state() == QWebEngineDownloadRequest::DownloadCompleted)
        m_notifier->notify(QStringLiteral("Gavrin"), QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path)));
    else
        m_notifier->notify(QStringLiteral("Gavrin"), QStringLiteral("Could not save %1: %2")
                                                         .arg(QDir::toNativeSeparators(path),
                                                              download->interruptReasonString()));
}
