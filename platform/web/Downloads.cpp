#include "platform/web/Downloads.h"

#include "platform/Notifier.h"
#include "platform/core/ProgramName.h"
#include "platform/web/WebPage.h"

#include <QDir>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

Downloads::Downloads(QWebEngineProfile *profile, Notifier *notifier)
    : QObject(profile)
    , m_notifier(notifier)
{
    connect(profile, &QWebEngineProfile::downloadRequested, this, &Downloads::downloadRequested);
}

void Downloads::downloadRequested(QWebEngineDownloadRequest *download)
{
    // Not accepted here, the download is cancelled.
    const auto *page = qobject_cast<const WebPage *>(download->page());
    if (!page || !page->mayDownload())
        return;
    // A new home may have no Downloads folder yet.
    QDir().mkpath(download->downloadDirectory());
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, download] { finished(download); });
    download->accept();
}

void Downloads::finished(QWebEngineDownloadRequest *download)
{
    const QString path =
        QDir::toNativeSeparators(QDir(download->downloadDirectory()).filePath(download->downloadFileName()));
    const QString message = download->state() == QWebEngineDownloadRequest::DownloadCompleted
        ? QStringLiteral("Saved %1").arg(path)
        : QStringLiteral("Could not save %1: %2").arg(path, download->interruptReasonString());
    m_notifier->notify(programName(), message, Notifier::kNoTag);
}
