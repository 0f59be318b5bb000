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
    const QString path = QDir::toNativeSeparators(
        QDir(download->downloadDirectory()).filePath(download->downloadFileName()));
    const QString message = download->state() == QWebEngineDownloadRequest::DownloadCompleted
                                ? QStringLiteral("Saved %1").arg(path)
                                : QStringLiteral("Could not save %1: %2").arg(path, download->interruptReasonString());
    m_notifier->notify(QStringLiteral("Gavrin"), message, Notifier::kNoTag);
}
