#pragma once

#include <QString>
#include <optional>

// Decides whether a text pasted or dropped into the item box is the address of
// an item page, and which item it names, as people share items by link.
//
// An http or https address on any host names an item by
//   - its path: ".../itm/123456" or ".../itm/some-title/123456" (a trailing
//     slash, a query and a fragment do not matter), or
//   - an "item" key of its query, as the classic page addresses do
//     ("...eBayISAPI.dll?ViewItem&item=123456"), also when the query was
//     pasted without its "?" (".../ViewItem&item=123456").
// The number must be all digits. Any other text, a bare number included, gives
// nothing and is taken as typed.
std::optional<QString> itemNumberFromLink(const QString &text);
