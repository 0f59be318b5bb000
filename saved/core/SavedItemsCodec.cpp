#include "saved/core/SavedItemsCodec.h"

#include "saved/core/Cp1252.h"

QStringList decodeSavedItems(const QByteArray &bytes)
{
    QStringList entries;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        entries << decodeCp1252(bytes.mid(start, end - start));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return entries;
}

qsizetype wholeLinesLength(const QByteArray &bytes)
{
    const qsizetype lastEnd = qMax(bytes.lastIndexOf('\r'), bytes.lastIndexOf('\n'));
    return lastEnd + 1;
}

QByteArray encodeSavedItems(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries) {
        bytes += encodeCp1252(entry);
        bytes += "\r\n";
    }
    return bytes;
}
