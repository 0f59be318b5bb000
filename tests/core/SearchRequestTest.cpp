#include "platform/core/SiteConfig.h"
#include "search/core/SearchRequest.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

QString build(const SearchFields &fields)
{
    SiteConfig site;
    site.searchUS = "us.test:8080";
    site.searchUK = "uk.test";
    return searchRequestAddress(site, fields);
}

SearchFields with(QString SearchFields::*field, const QString &text)
{
    SearchFields fields = initialSearchFields();
    fields.*field = text;
    return fields;
}

} // namespace

TEST(SearchRequest, WorkedExampleAndTheEmptyForm)
{
    SearchFields fields = with(&SearchFields::titleWords, "red car");
    fields.excludedWords = "toy";
    EXPECT_EQ(build(fields),
              "http://us.test:8080/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29"
              "&query2=red car&search_option=1&exclude=toy&category0=&ebaytag1=ebayctry&ebaytag1code=0"
              "&ebaycurr=999&minPrice=&maxPrice=&SortProperty=MetaEndSort&st=2");
    // No words at all, then exclusion words alone, which begin the query with their group.
    EXPECT_TRUE(build(initialSearchFields()).contains("GetResult&query=&query2=&search_option=1&exclude=&category0=&"));
    EXPECT_TRUE(build(with(&SearchFields::excludedWords, "toy box"))
                    .contains("GetResult&query=+-%28toy box%29&query2=&search_option=1&exclude=toy box&"));
}

// Other choice texts are pinned by the search form's window test.
TEST(SearchRequest, TheCountryChoosesTheServerAndATypedOneKeepsTheDefaultCode)
{
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"Any Country", "0", "us.test"}, {"United Kingdom", "3", "uk.test"}, {"Germany", "0", "uk.test"}};
    for (const auto &[country, code, server] : rows) {
        const QUrl address(build(with(&SearchFields::country, country)));
        EXPECT_EQ(QUrlQuery(address).queryItemValue("ebaytag1code"), code) << country;
        EXPECT_EQ(address.host(), server) << country;
    }
}

TEST(SearchRequest, TypedTextIsEscapedOnlyWhereItWouldChangeTheRequestsStructure)
{
    SearchFields fields = with(&SearchFields::titleWords, "Tom & Jerry #1 C++ 100%\t");
    fields.excludedWords = "a&b";
    fields.lowestPrice = "$5 (new) \"x\" \u00E9/?=&st=9";
    // A control character is escaped as its UTF-8 bytes.
    fields.highestPrice = QString("#") + QChar(0x85) + QChar(0x7f);
    EXPECT_EQ(build(fields),
              "http://us.test:8080/search/search.dll?MfcISAPICommand=GetResult"
              "&query=Tom %26 Jerry %231 C%2B%2B 100%25%09+-%28a%26b%29&query2=Tom %26 Jerry %231 C%2B%2B 100%25%09"
              "&search_option=1&exclude=a%26b&category0=&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999"
              "&minPrice=$5 (new) \"x\" \u00E9/?=%26st=9&maxPrice=%23%C2%85%7F&SortProperty=MetaEndSort&st=2");
}
