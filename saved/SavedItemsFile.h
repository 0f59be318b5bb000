#pragma once

#include "platform/core/DataLocation.h"

#include <QString>
#include <QStringList>
#include <optional>

// The saved items kept in "index.dat". The file is opened and closed inside
// each call and never held between them.

// What the file layer reports when a step fails: its error code and text.
struct FileFailure
{
    int code = 0;
    QString description;
};

struct SavedItemsRead
{
    QStringList entries; // in file order, at most kMaxSavedItems
    std::optional<FileFailure> failure;
    // The file holds more than `entries`: more lines than the list takes, a
    // failure after opening, a file that could not be opened although it is
    // there, or one that is no regular file. Writing the list back over it
    // would drop items the user never removed.
    bool partial = false;
};

// The whole lines read before a failure are kept. Only a regular file (or a
// link to one) is read, and no more than kMaxSavedItemsBytes of it.
SavedItemsRead readSavedItems(const QString &path);

// Far above kMaxSavedItems lines of any sensible length.
constexpr qint64 kMaxSavedItemsBytes = 64 * 1024 * 1024;

// The new content goes to a temporary file in the same folder, which replaces
// the old file only when all of it is written: after any failure the old
// file is as it was. A folder that takes no new files (installed read-only,
// or locked) cannot hold the temporary file; there the file is rewritten in
// place, and a failure part-way leaves what was written. A path that is no
// regular file is not written.
std::optional<FileFailure> writeSavedItems(const QString &path, const QStringList &entries);
