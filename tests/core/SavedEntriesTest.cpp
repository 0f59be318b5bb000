#include "saved/core/SavedEntries.h"

#include <gtest/gtest.h>

TEST(SavedEntries, TheNumberHandedOnIsTheTextBeforeTheSeparator)
{
    const std::pair<QString, QString> items[] = {
        {"12345", "Blue vase"}, {"987654321", "Old clock"}, {"1234567890123456", "Long"},
        {"12 34", "a  b     c"}, {"", "Blue vase"},      {"777", ""},
    };
    for (const auto &[number, description] : items)
        EXPECT_EQ(itemNumberOfEntry(composeEntry(number, description)), number);
    EXPECT_EQ(itemNumberOfEntry("no separator here"), "no separator here");
}

TEST(SavedEntries, OrderIsTextIgnoringCaseAndKeepsEqualEntriesInFileOrder)
{
    QStringList entries{"b", "9999     a", "ABC", "10000     a", "a", "abc", "     only a description", "Abc", ""};
    sortEntries(entries);
    EXPECT_EQ(entries, (QStringList{"", "     only a description", "10000     a", "9999     a", "a", "ABC", "abc",
                                    "Abc", "b"}));

    // Enough equal entries that a sort which is not stable would mix them.
    const QStringList equal = QStringList(20, "a") + QStringList(20, "A");
    entries = equal;
    sortEntries(entries);
    EXPECT_EQ(entries, equal);
}

TEST(SavedEntries, AnAddedEntryGoesToItsSortedPlaceAfterEqualOnes)
{
    const QStringList list{"10000", "555", "Apple", "apple", "zebra"};
    const auto at = [&list](int position) { return list[position]; };
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, ""), 0);
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, "9999"), 2);
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, "APPLE"), 4);
    EXPECT_EQ(sortedInsertPosition(int(list.size()), at, "zz"), 5);
}
