#include "app/core/WatchedItems.h"

#include <gtest/gtest.h>

TEST(WatchedItems, ComeBackAsStoredAndADamagedEntryIsLeftOut)
{
    const QList<WatchedItem> items = {{0, " A&B\t\"1\" ", 15000, {"#price", "div:nth-of-type(2) > span"}, "#left"},
                                      {3, "", 0, {}, ""}};
    EXPECT_EQ(watchedItemsFromText(watchedItemsToText(items), 5), items);
    EXPECT_EQ(watchedItemsFromText(R"([{"tab":7,"item":"1"},{"tab":1},{"tab":2,"item":"9","periodMs":99999}])", 5),
              (QList<WatchedItem>{{2, "9", 65535}}));
    EXPECT_TRUE(watchedItemsFromText("not json", 5).isEmpty());
}
