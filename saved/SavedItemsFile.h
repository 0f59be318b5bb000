#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QFile;
class QSaveFile;

// The saved items kept in "index.dat". The file is opened and closed inside
// each call and never held between them.

inline QString savedItemsFileName() { return QStringLiteral("index.dat"); }

// What the file layer reports when a step fails: its error code and text.
struct FileFailure
{
    int code = 0;
    QString description;
};

struct SavedItemsRead
{
    QStringList entries;  // in file order, at most kMaxSavedItems
    std::optional<FileFailure> failure;
};

// The whole lines read before a failure are kept. A file of more lines than
// the list can hold gives the first kMaxSavedItems and a failure.
SavedItemsRead read_saved_items(const QString &path);
SavedItemsRead read_saved_items(QFile &file);

// The new content goes to a temporary file in the same folder, which replaces
// the old file only when all of it is written: after any failure the old
// file is as it was.
std::optional<FileFailure> write_saved_items(const QString &path, const QStringList &entries);
std::optional<FileFailure> write_saved_items(QSaveFile &file, const QStringList &entries);
