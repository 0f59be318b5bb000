#include "saved/core/SavedEntries.h"

#include <gtest/gtest.h>

TEST(SavedEntries, TheNumberHandedOnIsTheTextBeforeTheSeparator)
{
    EXPECT_EQ(itemNumberOfEntry(composeEntry("12345", "Blue vase")), "12345");
    EXPECT_EQ(itemNumberOfEntry(composeEntry("987654321", "Old clock")), "987654321");
    EXPECT_EQ(itemNumberOfEntry(composeEntry("1234567890123456", "Long")), "1234567890123456");
    EXPECT_EQ(itemNumberOfEntry(composeEntry("12 34", "a  b     c")), "12 34");
    EXPECT_EQ(itemNumberOfEntry(composeEntry("", "Blue vase")), "");
    EXPECT_EQ(itemNumberOfEntry(composeEntry("777", "")), "777");
    EXPECT_EQ(itemNumberOfEntry("no separator here"), "no separator here");
}

TEST(SavedEntries, OrderIsTextIgnoringCase)
{
    EXPECT_TRUE(entryLess("10000     a", "9999     a"));
    EXPECT_TRUE(entryLess("A", "b"));
    EXPECT_TRUE(entryLess("a", "B"));
    EXPECT_TRUE(entryLess("     only a description", "0"));
    EXPECT_TRUE(entryLess("", "     "));
    EXPECT_FALSE(entryLess("abc", "ABC"));
    EXPECT_FALSE(entryLess("ABC", "abc"));
}

TEST(SavedEntries, SortingKeepsEntriesEqualButForCaseInFileOrder)
{
    QStringList entries{"b", "ABC", "a", "abc", "Abc"};
    sortEntries(entries);
    EXPECT_EQ(entries, (QStringList{"a", "ABC", "abc", "Abc", "b"}));
}

TEST(SavedEntries, AnAddedEntryGoesToItsSortedPlaceAfterEqualOnes)
{
    const QStringList list{"10000", "555", "Apple", "apple", "zebra"};
    const auto at = [&list](int position) { return list[position]; };
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, ""), 0);
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, "9999"), 2);
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, "APPLE"), 4);
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, "zz"), 5);
    EXPECT_EQ(sortedInsertPosition(0, at, "x"), 0);
}
