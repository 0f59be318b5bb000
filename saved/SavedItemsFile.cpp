#include "saved/SavedItemsFile.h"

#include "saved/core/SavedItemsCodec.h"

#include <QFile>
#include <QSaveFile>

namespace {

// A device that fails without saying why still reports a code of its kind.
FileFailure failureOf(const QFileDevice &file, QFileDevice::FileError fallback)
{
    const QFileDevice::FileError error = file.error() != QFileDevice::NoError ? file.error() : fallback;
    return FileFailure{int(error), file.errorString()};
}

} // namespace

SavedItemsRead read_saved_items(const QString &path)
{
    QFile file(path);
    return read_saved_items(file);
}

SavedItemsRead read_saved_items(QFile &file)
{
    SavedItemsRead result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.failure = failureOf(file, QFileDevice::OpenError);
        return result;
    }

    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0) {
            result.failure = failureOf(file, QFileDevice::ReadError);
            bytes.truncate(wholeLinesLength(bytes));
            break;
        }
        bytes.append(chunk, got);
    }
    file.close();

    result.entries = decodeSavedItems(bytes);
    if (result.entries.size() > kMaxSavedItems) {
        result.entries.resize(kMaxSavedItems);
        if (!result.failure) {
            result.failure = FileFailure{int(QFileDevice::ResourceError),
                                         QStringLiteral("The list holds no more than %1 saved items").arg(kMaxSavedItems)};
        }
    }
    return result;
}

std::optional<FileFailure> write_saved_items(const QString &path, const QStringList &entries)
{
    QSaveFile file(path);
    return write_saved_items(file, entries);
}

std::optional<FileFailure> write_saved_items(QSaveFile &file, const QStringList &entries)
{
    if (!file.open(QIODevice::WriteOnly))
        return failureOf(file, QFileDevice::OpenError);
    const QByteArray bytes = encodeSavedItems(entries);
    if (file.write(bytes) != bytes.size()) {
        const FileFailure failure = failureOf(file, QFileDevice::WriteError);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return failureOf(file, QFileDevice::WriteError);
    return std::nullopt;
}
