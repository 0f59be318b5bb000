#pragma once

#include <QString>

// Captions of the tab strip: a free watch tab reads "Available", a watched one "Item " and its number.
constexpr int kWatchTabCount = 5;
constexpr int kServicesTab = kWatchTabCount; // after the watch tabs, the last
constexpr int kTabCount = kWatchTabCount + 1;

inline QString availableCaption()
{
    return QStringLiteral("Available");
}
inline QString servicesCaption()
{
    return QStringLiteral(" Help/Services ");
}
inline QString itemCaption(const QString &itemNumber)
{
    return QStringLiteral("Item ") + itemNumber;
}
inline bool isWatchTab(int index)
{
    return index >= 0 && index < kWatchTabCount;
}
