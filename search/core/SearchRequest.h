#pragma once

#include <QString>
#include <QStringList>

struct SiteConfig;

// The search dialog's fields as the user left them: typed texts and the texts
// of the choice boxes, which may be typed too.
struct SearchFields
{
    QString titleWords;
    QString wordCombination;
    QString excludedWords;
    QString category;
    QString country;
    QString currency;
    QString lowestPrice;
    QString highestPrice;
    QString sortOrder;
    QString resultView;
};

// What a newly opened dialog shows; the currency has no entry chosen.
SearchFields initialSearchFields();

// The entries of each choice box, in the order they are offered.
QStringList wordCombinationTexts();
QStringList categoryTexts();
QStringList countryTexts();
QStringList currencyTexts();
QStringList sortOrderTexts();
QStringList resultViewTexts();

// Caption of the services tab while the results are on their way.
QString searchingCaption();

// A typed text with the characters that would change the request's structure
// ("%", "&", "#", "+" and control characters) percent-encoded; blanks and
// everything else stay as typed and are left to the browser view.
QString escapeSearchText(const QString &typed);

// The search engine's request for the fields. Choice texts are matched
// exactly; a text that is no entry keeps its field's default code.
QString searchRequestAddress(const SiteConfig &site, const SearchFields &fields);
