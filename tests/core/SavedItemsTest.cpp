#include "saved/core/Cp1252.h"
#include "saved/core/SavedEntries.h"
#include "saved/core/SavedItemsCodec.h"

#include <gtest/gtest.h>

namespace {

// What the list makes of a file and what goes back into it.
QByteArray readSortWrite(const QByteArray &file)
{
    QStringList entries = decodeSavedItems(file);
    sortEntries(entries);
    return encodeSavedItems(entries);
}

} // namespace

TEST(SavedItemsCodec, LinesComeOutInListOrderEachEndedByCrLf)
{
    QByteArray everyByte; // but CR and LF, which stand as blanks
    for (int byte = 0; byte < 256; ++byte)
        everyByte.append(byte == '\r' || byte == '\n' ? ' ' : char(byte));
    const std::pair<QByteArray, QByteArray> rows[] = {
        // Blank lines and spaces stay; a last line without its end gets one.
        {"b\r\n\r\n12345     \r\n     Blue vase\r\nA", "\r\n     Blue vase\r\n12345     \r\nA\r\nb\r\n"},
        // CR, CR LF and a lone LF each end a line.
        {"e\rd\r\nc\nb\n\ra", "\r\na\r\nb\r\nc\r\nd\r\ne\r\n"},
        {everyByte + "\r\n", everyByte + "\r\n"},
    };
    for (const auto &[file, written] : rows)
        EXPECT_EQ(readSortWrite(file), written) << file.toHex(' ').constData();
}

TEST(SavedItemsCodec, AReadCutShortKeepsOnlyWholeLines)
{
    EXPECT_EQ(wholeLinesLength("one\r\ntw"), 5);
    EXPECT_EQ(wholeLinesLength("one\r"), 4);
    EXPECT_EQ(wholeLinesLength("on"), 0);
}

TEST(Cp1252, MapsTheHighBytesAndStoresWhatItCannotHoldAsQuestionMarks)
{
    // The five undefined bytes (81 8D 8F 90 9D) stay the control characters of their value.
    EXPECT_EQ(decodeCp1252(QByteArray::fromHex("80 8A 9F E9 81 8D 8F 90 9D")),
              QString::fromUtf16(u"\u20AC\u0160\u0178\u00E9\u0081\u008D\u008F\u0090\u009D"));
    // U+0080 is a control character that no byte decodes to; one character
    // outside the basic plane is one "?", not two.
    EXPECT_EQ(encodeCp1252(QString::fromUcs4(U"\u20AC\u2122 caf\u00E9 \u65E5\u672C \u0080 a\U0001F600b")),
              QByteArray::fromHex("80 99 20 63 61 66 E9 20") + "?? ? a?b");
}

TEST(SavedEntries, TheNumberHandedOnIsTheTextBeforeTheSeparator)
{
    const std::pair<QString, QString> items[] = {
        {"12345", "Blue vase"}, {"1234567890123456", "Long"}, {"12 34", "a  b     c"}, {"", "Blue vase"}};
    for (const auto &[number, description] : items)
        EXPECT_EQ(itemNumberOfEntry(composeEntry(number, description)), number);
    EXPECT_EQ(itemNumberOfEntry("no separator here"), "no separator here");
}

TEST(SavedEntries, OrderIsTextIgnoringCaseAndAnAddedEntryGoesAfterEqualOnes)
{
    QStringList entries{"b", "9999     a", "ABC", "10000     a", "abc", "     only a description", "Abc"};
    sortEntries(entries);
    EXPECT_EQ(entries, (QStringList{"     only a description", "10000     a", "9999     a", "ABC", "abc", "Abc", "b"}));

    // Enough equal entries that a sort which is not stable would mix them.
    const QStringList equal = QStringList(20, "a") + QStringList(20, "A");
    entries = equal;
    sortEntries(entries);
    EXPECT_EQ(entries, equal);

    const auto at = [&entries](int position) { return entries[position]; };
    EXPECT_EQ(sortedInsertPosition(int(entries.size()), at, ""), 0);
    EXPECT_EQ(sortedInsertPosition(int(entries.size()), at, "a"), 40);
}

TEST(SavedEntries, AListWrittenOverAChangedFileKeepsTheChangesOfBoth)
{
    const QStringList read{"1     a", "2     b", "3     c", "3     c"};
    // This list: 2 and one 3 removed, two 4 added. The file: 1 and one 3 removed, a 4 and a 5 added;
    // what both did counts once.
    const QStringList edited{"1     a", "3     c", "4     d", "4     d"};
    EXPECT_EQ(mergeEntries(read, edited, read), edited);
    EXPECT_EQ(mergeEntries(read, edited, {"2     b", "3     c", "4     d", "5     e"}),
              (QStringList{"3     c", "4     d", "4     d", "5     e"}));
}
