#pragma once

#include <QByteArray>
#include <QStringList>

// "index.dat": one saved item a line, Windows-1252, every line ended by CR LF
// and no other framing; no items is an empty file.

// List positions are signed 16-bit, so the list holds no more than this.
constexpr int kMaxSavedItems = 32767;

// The lines of the file in file order. A line ends at CR, at CR LF, or at a
// lone LF: the program writes only CR LF, but a file edited with a Unix
// editor should still give one item a line rather than one long item with
// line feeds inside. A last line without a line end counts like any other.
QStringList decodeSavedItems(const QByteArray &bytes);

// The leading part of bytes that holds whole lines only, so that a read cut
// short by a failure does not turn the half line it stopped in into an item.
qsizetype wholeLinesLength(const QByteArray &bytes);

QByteArray encodeSavedItems(const QStringList &entries);
