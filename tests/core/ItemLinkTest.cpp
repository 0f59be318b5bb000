#include "app/core/ItemLink.h"

#include <gtest/gtest.h>

TEST(ItemLink, TakesTheNumberFromAnItemPageAddress)
{
    const std::pair<const char *, const char *> rows[] = {
        {"http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?ViewItem&item=123456", "123456"},
        {"https://auctions.example.org/x?category=7&item=42&rd=1", "42"},
        {"http://cgi.ebay.com/ViewItem&item=123456", "123456"},
        {"https://www.ebay.com/itm/123456", "123456"},
        {"https://www.ebay.co.uk/itm/Penny-Black-1840-plate-6/123456?hash=item1c&var=0#desc", "123456"},
        {"HTTPS://www.ebay.com/itm/123456/", "123456"},
        {"  https://www.ebay.com/itm/123456\n", "123456"},
    };
    for (const auto &[text, number] : rows)
        EXPECT_EQ(itemNumberFromLink(QString::fromLatin1(text)), QString::fromLatin1(number)) << text;
}

TEST(ItemLink, LeavesAnyOtherTextAsTyped)
{
    for (const char *text : {"", "123456", "Penny Black 1840", "www.ebay.com/itm/123456",
                             "ftp://host/itm/123456", "https://www.ebay.com/", "https://www.ebay.com/itm/",
                             "https://www.ebay.com/itm/12a456", "https://www.ebay.com/itm/a/b/123456",
                             "https://www.ebay.com/sch/i.html?_nkw=123456", "http://host/?item=12ab",
                             "http://host/?olditem=123456", "http://host/?item="})
        EXPECT_EQ(itemNumberFromLink(QString::fromLatin1(text)), std::nullopt) << text;
}
