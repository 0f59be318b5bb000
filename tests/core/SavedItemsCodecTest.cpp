#include "saved/core/Cp1252.h"
#include "saved/core/SavedEntries.h"
#include "saved/core/SavedItemsCodec.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// What the list makes of a file and what goes back into it.
QByteArray readSortWrite(const QByteArray &file)
{
    QStringList entries = decodeSavedItems(file);
    sortEntries(entries);
    return encodeSavedItems(entries);
}

} // namespace

TEST(SavedItemsCodec, TwoSavedItemsComeBackByteForByte)
{
    const QByteArray file = hex("31323334353637383930202020202042 6C75652076617365 0D0A"
                                "393837363534333231 2020202020 4F6C6420636C6F636B 0D0A");
    ASSERT_EQ(file.size(), 51);
    EXPECT_EQ(decodeSavedItems(file),
              (QStringList{"1234567890     Blue vase", "987654321     Old clock"}));
    EXPECT_EQ(readSortWrite(file), file);
}

TEST(SavedItemsCodec, LinesComeOutInListOrderEachEndedByCrLf)
{
    EXPECT_EQ(readSortWrite("b\r\nA\r\n"), QByteArray("A\r\nb\r\n"));
    EXPECT_EQ(readSortWrite("b\r\nA"), QByteArray("A\r\nb\r\n"));
    EXPECT_EQ(readSortWrite("x\r\n\r\n5     y\r\n"), QByteArray("\r\n5     y\r\nx\r\n"));
    EXPECT_EQ(encodeSavedItems({}), QByteArray());
    EXPECT_TRUE(decodeSavedItems(QByteArray()).isEmpty());
}

TEST(SavedItemsCodec, CrCrLfAndLoneLfEachEndALine)
{
    EXPECT_EQ(decodeSavedItems("a\rb\r\nc\nd\n\re"), (QStringList{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(decodeSavedItems("\r\n"), QStringList{""});
}

TEST(SavedItemsCodec, BlanksOfEmptyNumbersAndDescriptionsAreKept)
{
    const QStringList entries{composeEntry("", "Blue vase"), composeEntry("12345", "")};
    EXPECT_EQ(encodeSavedItems(entries), QByteArray("     Blue vase\r\n12345     \r\n"));
    EXPECT_EQ(decodeSavedItems(encodeSavedItems(entries)), entries);
}

TEST(SavedItemsCodec, EveryByteButTheLineEndsSurvivesARoundTrip)
{
    QByteArray line;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            line.append(char(byte));
    }
    const QStringList entries = decodeSavedItems(line + "\r\n");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].size(), 254);
    EXPECT_EQ(encodeSavedItems(entries), line + "\r\n");
}

TEST(Cp1252, MapsThePrintableHighBytesAndKeepsTheUndefinedOnes)
{
    EXPECT_EQ(decodeCp1252(hex("80 8A 9F E9")), QString::fromUtf16(u"\u20AC\u0160\u0178\u00E9"));
    EXPECT_EQ(decodeCp1252(hex("81 8D 8F 90 9D")), QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(encodeCp1252(QString::fromUtf16(u"\u20AC\u2122 caf\u00E9")), hex("80 99 20 63 61 66 E9"));
}

TEST(Cp1252, CharactersTheCodePageCannotHoldBecomeQuestionMarks)
{
    EXPECT_EQ(encodeCp1252(QString::fromUtf16(u"\u65E5\u672C 1")), QByteArray("?? 1"));
    // A control character of the C1 range that is not one of the undefined bytes.
    EXPECT_EQ(encodeCp1252(QString::fromUtf16(u"\u0080")), QByteArray("?"));
    // One character outside the basic plane is one "?", not two.
    EXPECT_EQ(encodeCp1252(QString::fromUcs4(U"a\U0001F600b")), QByteArray("a?b"));
}

TEST(SavedItemsCodec, AReadCutShortKeepsOnlyWholeLines)
{
    EXPECT_EQ(wholeLinesLength("one\r\ntw"), 5);
    EXPECT_EQ(wholeLinesLength("one\r"), 4);
    EXPECT_EQ(wholeLinesLength("on"), 0);
}
