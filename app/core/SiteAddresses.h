#pragma once

#include <QString>

struct SiteConfig;

// The item page: the item number is appended unchanged.
QString itemPageAddress(const SiteConfig &site, const QString &itemNumber);
