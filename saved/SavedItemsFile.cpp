#include "saved/SavedItemsFile.h"

#include "saved/core/SavedItemsCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A device that fails without saying why still reports a code of its kind.
FileFailure failureOf(const QFileDevice &file, QFileDevice::FileError fallback)
{
    const QFileDevice::FileError error = file.error() != QFileDevice::NoError ? file.error() : fallback;
    return FileFailure{int(error), file.errorString()};
}

// A named pipe would hold the window in the open; a device may never end.
bool isThereButNoRegularFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

FileFailure noRegularFile()
{
    return FileFailure{int(QFileDevice::OpenError), QStringLiteral("Not a regular file")};
}

// A full disk takes what fits and only the next write says why, so a short
// write is followed by one for the rest rather than taken for the failure.
std::optional<FileFailure> writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 wrote = file.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0)
            return failureOf(file, QFileDevice::WriteError);
        done += wrote;
    }
    return std::nullopt;
}

} // namespace

SavedItemsRead readSavedItems(const QString &path)
{
    QFile file(path);
    SavedItemsRead result;
    if (isThereButNoRegularFile(file.fileName())) {
        result.failure = noRegularFile();
        result.partial = true;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.failure = failureOf(file, QFileDevice::OpenError);
        result.partial = file.exists();
        return result;
    }

    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0 || bytes.size() + got > kMaxSavedItemsBytes) {
            result.failure = got < 0 ? failureOf(file, QFileDevice::ReadError)
                                     : FileFailure{int(QFileDevice::ResourceError),
                                                   QStringLiteral("Larger than %1 MB").arg(kMaxSavedItemsBytes >> 20)};
            result.partial = true;
            bytes.truncate(wholeLinesLength(bytes));
            break;
        }
        bytes.append(chunk, got);
    }
    file.close();

    result.entries = decodeSavedItems(bytes);
    if (result.entries.size() > kMaxSavedItems) {
        result.entries.resize(kMaxSavedItems);
        result.partial = true;
    }
    return result;
}

std::optional<FileFailure> writeSavedItems(const QString &path, const QStringList &entries)
{
    if (isThereButNoRegularFile(path))
        return noRegularFile();
    const QByteArray bytes = encodeSavedItems(entries);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (auto failure = writeAll(file, bytes)) {
            file.cancelWriting();
            return failure;
        }
        if (!file.commit())
            return failureOf(file, QFileDevice::WriteError);
        return std::nullopt;
    }

    QFile inPlace(path);
    if (!inPlace.exists() || !inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return failureOf(file, QFileDevice::OpenError);
    return writeAll(inPlace, bytes);
}
