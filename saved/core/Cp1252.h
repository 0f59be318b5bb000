#pragma once

#include <QByteArray>
#include <QString>

// The saved-items file is Windows-1252 text on every platform, so a file
// moves between systems unchanged. Decoding is lossless: the five bytes the
// code page leaves undefined (81 8D 8F 90 9D) become the control characters
// of the same value, and encoding gives every decoded byte back. A character
// the code page cannot hold is written as "?".
QString decodeCp1252(const QByteArray &bytes);
QByteArray encodeCp1252(const QString &text);
