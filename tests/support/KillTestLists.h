#pragma once

#include <QStringList>
#include <array>

// The two lists the kill test's writer alternates between; they differ in
// every line and in length, so that any mix of the two shows.
inline std::array<QStringList, 2> killTestLists(int size)
{
    std::array<QStringList, 2> lists;
    for (int i = 0; i < size; ++i) {
        lists[0] << QStringLiteral("%1     Blue vase %2").arg(100000 + i).arg(i);
        lists[1] << QStringLiteral("%1     Old clock %2").arg(200000 + i).arg(i);
    }
    lists[1] << QStringLiteral("300000     One more");
    return lists;
}
