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
    EXPECT_EQ(build(initialSearchFields()),
              "http://us.test:8080/search/search.dll?MfcISAPICommand=GetResult&query=&query2=&search_option=1"
              "&exclude=&category0=&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999&minPrice=&maxPrice="
              "&SortProperty=MetaEndSort&st=2");
}

TEST(SearchRequest, CountryChoosesCodeAndServer)
{
    const struct
    {
        const char *country, *host, *code;
    } rows[] = {
        {"Any Country", "http://us.test:8080/", "0"},
        {"United Kingdom", "http://uk.test/", "3"},
        {"Germany", "http://uk.test/", "0"},
        {"united states", "http://uk.test/", "0"},
    };
    for (const auto &row : rows) {
        const QString address = build(with(&SearchFields::country, row.country));
        EXPECT_TRUE(address.startsWith(row.host)) << row.country;
        EXPECT_TRUE(address.contains(QString("&ebaytag1code=") + row.code + "&")) << row.country;
    }
}

TEST(SearchRequest, ChoiceTextsMatchExactlyOrKeepTheDefault)
{
    const struct
    {
        QString SearchFields::*field;
        const char *text, *key, *code;
    } rows[] = {
        {&SearchFields::category, "Stamps", "category0", "260"},
        {&SearchFields::category, "Business, Office & Industrial", "category0", "12576"},
        {&SearchFields::category, "stamps", "category0", ""},
        {&SearchFields::wordCombination, "Exact Phrase", "search_option", "3"},
        {&SearchFields::wordCombination, "Exact phrase", "search_option", "1"},
        {&SearchFields::currency, "Pound Sterling", "ebaycurr", "3"},
        {&SearchFields::sortOrder, "Highest prices first", "SortProperty", "MetaHighestPriceSort"},
        {&SearchFields::sortOrder, "Items ending first ", "SortProperty", ""},
        {&SearchFields::resultView, "Gallery items only", "st", "1"},
        {&SearchFields::resultView, "Pictures", "st", "0"},
    };
    for (const auto &row : rows) {
        const QUrlQuery query{QUrl(build(with(row.field, row.text)))};
        EXPECT_EQ(query.queryItemValue(row.key), row.code) << row.text;
    }
    EXPECT_EQ(categoryTexts().size(), 24);
    EXPECT_EQ(categoryTexts().indexOf("Stamps"), 20);
}

TEST(SearchRequest, ExclusionWordsAloneBeginTheQuery)
{
    EXPECT_TRUE(build(with(&SearchFields::excludedWords, "toy box"))
                    .contains("GetResult&query=+-%28toy box%29&query2=&search_option=1&exclude=toy box&"));
}

TEST(SearchRequest, TypedTextCannotChangeTheRequestsStructure)
{
    SearchFields fields = with(&SearchFields::titleWords, "Tom & Jerry #1 C++ 100%\t");
    fields.excludedWords = "a&b";
    fields.lowestPrice = "5&st=9";
    fields.highestPrice = "#";
    const QString address = build(fields);

    EXPECT_TRUE(address.contains("&query=Tom %26 Jerry %231 C%2B%2B 100%25%09+-%28a%26b%29&query2=Tom %26"));
    const QUrlQuery query{QUrl(address)};
    EXPECT_EQ(query.queryItems().size(), 13);
    EXPECT_EQ(query.queryItemValue("query2", QUrl::FullyDecoded), "Tom & Jerry #1 C++ 100%\t");
    EXPECT_EQ(query.queryItemValue("exclude", QUrl::FullyDecoded), "a&b");
    EXPECT_EQ(query.queryItemValue("minPrice", QUrl::FullyDecoded), "5&st=9");
    EXPECT_EQ(query.queryItemValue("maxPrice", QUrl::FullyDecoded), "#");
    EXPECT_EQ(query.queryItemValue("st"), "2");

    EXPECT_EQ(escapeSearchText("red car, $5 (new) \"x\" é/?="), "red car, $5 (new) \"x\" é/?=");
    EXPECT_EQ(escapeSearchText(QString("a") + QChar(0x85) + QChar(0x7f)), "a%C2%85%7F");
}
