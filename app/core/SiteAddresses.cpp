#include "app/core/SiteAddresses.h"

#include "platform/core/SiteConfig.h"

QString itemPageAddress(const SiteConfig &site, const QString &itemNumber)
{
    return QStringLiteral("http://") + site.itemServer + QStringLiteral("/aw-cgi/eBayISAPI.dll?ViewItem&item=")
        + itemNumber;
}
