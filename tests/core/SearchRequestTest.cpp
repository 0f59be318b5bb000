#include "platform/core/SiteConfig.h"
#include "search/core/SearchRequest.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

SiteConfig testSite()
{
    SiteConfig site;
    site.searchUS = "us.test:8080";
    site.searchUK = "uk.test";
    return site;
}

QString build(const SearchFields &fields)
{
    return searchRequestAddress(testSite(), fields);
}

QString valueOf(const QString &address, const QString &key)
{
    return QUrlQuery(QUrl(address)).queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

TEST(SearchRequest, WorkedExampleCharacterForCharacter)
{
    SearchFields fields = initialSearchFields();
    fields.titleWords = "red car";
    fields.excludedWords = "toy";
    EXPECT_EQ(build(fields),
              "http://us.test:8080/search/search.dll?MfcISAPICommand=GetResult&query=red car+-%28toy%29"
              "&query2=red car&search_option=1&exclude=toy&category0=&ebaytag1=ebayctry&ebaytag1code=0"
              "&ebaycurr=999&minPrice=&maxPrice=&SortProperty=MetaEndSort&st=2");
}

TEST(SearchRequest, InitialFormStillSendsEveryKeyWithItsDefault)
{
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
        {"United States", "http://us.test:8080/", "0"},
        {"Any Country", "http://us.test:8080/", "0"},
        {"United Kingdom", "http://uk.test/", "3"},
        {"Germany", "http://uk.test/", "0"},
        {"united states", "http://uk.test/", "0"},
        {"", "http://uk.test/", "0"},
    };
    for (const auto &row : rows) {
        SearchFields fields = initialSearchFields();
        fields.country = row.country;
        const QString address = build(fields);
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
        {&SearchFields::category, "All Categories", "category0", ""},
        {&SearchFields::category, "Business, Office & Industrial", "category0", "12576"},
        {&SearchFields::category, "Everything Else", "category0", "99"},
        {&SearchFields::category, "stamps", "category0", ""},
        {&SearchFields::wordCombination, "Any of these words", "search_option", "2"},
        {&SearchFields::wordCombination, "Exact Phrase", "search_option", "3"},
        {&SearchFields::wordCombination, "Exact phrase", "search_option", "1"},
        {&SearchFields::currency, "Pound Sterling", "ebaycurr", "3"},
        {&SearchFields::currency, "U.S. Dollar", "ebaycurr", "1"},
        {&SearchFields::currency, "Any currency", "ebaycurr", "999"},
        {&SearchFields::sortOrder, "Newly listed items first", "SortProperty", "MetaNewSort"},
        {&SearchFields::sortOrder, "Lowest prices first", "SortProperty", "MetaLowestPriceSort"},
        {&SearchFields::sortOrder, "Highest prices first", "SortProperty", "MetaHighestPriceSort"},
        {&SearchFields::sortOrder, "Items ending first ", "SortProperty", ""},
        {&SearchFields::resultView, "All items", "st", "0"},
        {&SearchFields::resultView, "Gallery items only", "st", "1"},
        {&SearchFields::resultView, "Pictures", "st", "0"},
    };
    for (const auto &row : rows) {
        SearchFields fields = initialSearchFields();
        fields.*row.field = row.text;
        EXPECT_EQ(valueOf(build(fields), row.key), row.code) << row.text;
    }
}

TEST(SearchRequest, ListsAreOfferedInOrder)
{
    const QStringList categories = categoryTexts();
    EXPECT_EQ(categories.size(), 24);
    EXPECT_EQ(categories.first(), "All Categories");
    EXPECT_EQ(categories.indexOf("Stamps"), 20);
    EXPECT_EQ(categories.last(), "Everything Else");
    EXPECT_EQ(countryTexts(), QStringList({"Any Country", "United Kingdom", "United States"}));
    EXPECT_EQ(currencyTexts(), QStringList({"Pound Sterling", "U.S. Dollar", "Any currency"}));
    EXPECT_EQ(resultViewTexts(),
              QStringList({"All items", "All items including picture preview", "Gallery items only"}));
    EXPECT_EQ(wordCombinationTexts().size(), 3);
    EXPECT_EQ(sortOrderTexts().size(), 4);
}

TEST(SearchRequest, ExclusionWordsAloneBeginTheQuery)
{
    SearchFields fields = initialSearchFields();
    fields.excludedWords = "toy box";
    EXPECT_TRUE(build(fields).contains("GetResult&query=+-%28toy box%29&query2=&search_option=1&exclude=toy box&"));
}

TEST(SearchRequest, StructuralCharactersAreEscapedInTypedTextsOnly)
{
    SearchFields fields = initialSearchFields();
    fields.titleWords = "Tom & Jerry #1 C++ 100%\t";
    fields.excludedWords = "a&b";
    fields.lowestPrice = "5&st=9";
    fields.highestPrice = "#";
    const QString address = build(fields);

    EXPECT_TRUE(address.contains("&query=Tom %26 Jerry %231 C%2B%2B 100%25%09+-%28a%26b%29&query2=Tom %26"));
    EXPECT_EQ(QUrl(address).fragment(), "");
    const QUrlQuery query{QUrl(address)};
    EXPECT_EQ(query.queryItems().size(), 13);
    EXPECT_EQ(query.queryItemValue("query2", QUrl::FullyDecoded), "Tom & Jerry #1 C++ 100%\t");
    EXPECT_EQ(query.queryItemValue("exclude", QUrl::FullyDecoded), "a&b");
    EXPECT_EQ(query.queryItemValue("minPrice", QUrl::FullyDecoded), "5&st=9");
    EXPECT_EQ(query.queryItemValue("maxPrice", QUrl::FullyDecoded), "#");
    EXPECT_EQ(query.queryItemValue("st"), "2");
}

TEST(SearchRequest, EscapingLeavesOrdinaryTextAlone)
{
    EXPECT_EQ(escapeSearchText("red car, $5-10 (new) \"x\" 'y' é/?="), "red car, $5-10 (new) \"x\" 'y' é/?=");
    EXPECT_EQ(escapeSearchText(QString("a") + QChar(0x85) + QChar(0x7f)), "a%C2%85%7F");
}
