#include "search/core/SearchRequest.h"

#include "app/core/SiteConfig.h"

#include <QUrl>

namespace {

struct Choice
{
    const char *text;
    const char *code;
};

const Choice kWordCombinations[] = {
    {"All of these words", "1"},
    {"Any of these words", "2"},
    {"Exact Phrase", "3"},
};

const Choice kCategories[] = {
    {"All Categories", ""},
    {"Antiques & Art", "353"},
    {"Automotive-eBay Motors", "2190"},
    {"Books", "267"},
    {"Business, Office & Industrial", "12576"},
    {"Clothing & Accessories", "11450"},
    {"Coins", "11116"},
    {"Collectables", "1"},
    {"Computers, Networking & I.T.", "160"},
    {"Consumer Electronics", "293"},
    {"Dolls & Bears", "237"},
    {"eBay Premier", "2038"},
    {"Home & Garden", "11700"},
    {"Jewelry, Gemstones", "281"},
    {"Movies", "11232"},
    {"Music", "11233"},
    {"Photo", "625"},
    {"Pottery and Glass", "870"},
    {"Real Estate", "10542"},
    {"Sports", "888"},
    {"Stamps", "260"},
    {"Tickets and Travel", "11730"},
    {"Toys & Hobbies", "220"},
    {"Everything Else", "99"},
};

const Choice kCountries[] = {
    {"Any Country", "0"},
    {"United Kingdom", "3"},
    {"United States", "0"},
};

const Choice kCurrencies[] = {
    {"Pound Sterling", "3"},
    {"U.S. Dollar", "1"},
    {"Any currency", "999"},
};

const Choice kSortOrders[] = {
    {"Items ending first", "MetaEndSort"},
    {"Newly listed items first", "MetaNewSort"},
    {"Lowest prices first", "MetaLowestPriceSort"},
    {"Highest prices first", "MetaHighestPriceSort"},
};

const Choice kResultViews[] = {
    {"All items", "0"},
    {"All items including picture preview", "2"},
    {"Gallery items only", "1"},
};

template <size_t N> QStringList textsOf(const Choice (&table)[N])
{
    QStringList texts;
    for (const Choice &choice : table)
        texts << QLatin1String(choice.text);
    return texts;
}

template <size_t N> QString codeOf(const Choice (&table)[N], const QString &text, const char *fallback)
{
    for (const Choice &choice : table) {
        if (text == QLatin1String(choice.text))
            return QLatin1String(choice.code);
    }
    return QLatin1String(fallback);
}

// Any text but these two, a typed one included, goes to the UK server.
QString serverFor(const SiteConfig &site, const QString &country)
{
    const bool us = country == QLatin1String("United States") || country == QLatin1String("Any Country");
    return us ? site.searchUS : site.searchUK;
}

} // namespace

SearchFields initialSearchFields()
{
    SearchFields fields;
    fields.wordCombination = QStringLiteral("All of these words");
    fields.category = QStringLiteral("All Categories");
    fields.country = QStringLiteral("United States");
    fields.sortOrder = QStringLiteral("Items ending first");
    fields.resultView = QStringLiteral("All items including picture preview");
    return fields;
}

QStringList wordCombinationTexts()
{
    return textsOf(kWordCombinations);
}
QStringList categoryTexts()
{
    return textsOf(kCategories);
}
QStringList countryTexts()
{
    return textsOf(kCountries);
}
QStringList currencyTexts()
{
    return textsOf(kCurrencies);
}
QStringList sortOrderTexts()
{
    return textsOf(kSortOrders);
}
QStringList resultViewTexts()
{
    return textsOf(kResultViews);
}

QString searchingCaption()
{
    return QStringLiteral("Searching...Please Wait");
}

QString escapeSearchText(const QString &typed)
{
    QString escaped;
    escaped.reserve(typed.size());
    for (const QChar c : typed) {
        const bool structural = c == QLatin1Char('%') || c == QLatin1Char('&') || c == QLatin1Char('#')
            || c == QLatin1Char('+') || c.category() == QChar::Other_Control;
        if (structural)
            escaped += QString::fromLatin1(QUrl::toPercentEncoding(QString(c)));
        else
            escaped += c;
    }
    return escaped;
}

QString searchRequestAddress(const SiteConfig &site, const SearchFields &fields)
{
    const QString title = escapeSearchText(fields.titleWords);
    const QString excluded = escapeSearchText(fields.excludedWords);
    // The engine reads "+-(" ... ")" as a blank, a minus and the words to leave out.
    const QString exclusionGroup =
        excluded.isEmpty() ? QString() : QStringLiteral("+-%28") + excluded + QStringLiteral("%29");

    return QStringLiteral("http://") + serverFor(site, fields.country)
        + QStringLiteral("/search/search.dll?MfcISAPICommand=GetResult&query=") + title + exclusionGroup
        + QStringLiteral("&query2=") + title + QStringLiteral("&search_option=")
        + codeOf(kWordCombinations, fields.wordCombination, "1") + QStringLiteral("&exclude=") + excluded
        + QStringLiteral("&category0=") + codeOf(kCategories, fields.category, "")
        + QStringLiteral("&ebaytag1=ebayctry&ebaytag1code=") + codeOf(kCountries, fields.country, "0")
        + QStringLiteral("&ebaycurr=") + codeOf(kCurrencies, fields.currency, "999") + QStringLiteral("&minPrice=")
        + escapeSearchText(fields.lowestPrice) + QStringLiteral("&maxPrice=") + escapeSearchText(fields.highestPrice)
        + QStringLiteral("&SortProperty=") + codeOf(kSortOrders, fields.sortOrder, "") + QStringLiteral("&st=")
        + codeOf(kResultViews, fields.resultView, "0");
}
