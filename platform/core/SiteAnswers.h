#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// What a site's answer to a load tells beyond the page.

// A failed load in a few words: "connection refused" from the engine's
// "net::ERR_CONNECTION_REFUSED", or "HTTP 503" when the site answered with an
// error status (httpStatus 0: it did not answer).
QString loadErrorText(const QString &engineText, int httpStatus);

// HTTP 429, or 503: the site may ask in Retry-After to be left alone a while.
bool mayAskToWait(int httpStatus);

// A Retry-After value, in seconds or as an HTTP date, as the milliseconds
// still to wait from now; none when it says neither.
std::optional<qint64> retryAfterMs(const QString &value, const QDateTime &now);

// How long to wait after an answer that may ask to wait: what the site asked,
// else, after a 429 that does not say, twice the last such wait (a minute at
// first, half an hour at most); none when a 503 does not say: the site is down.
std::optional<qint64> siteWaitMs(int httpStatus, const std::optional<qint64> &asked, qint64 lastGuessMs);
