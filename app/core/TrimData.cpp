#include "app/core/TrimData.h"

#include <limits>
#include <stdexcept>

QString trim_data(const QString &data, std::int16_t fromLeft, std::int16_t fromRight)
{
    const int sum = int(fromLeft) + int(fromRight);
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("trim_data: character counts overflow");
    if (data.size() > sum)
        return data.mid(fromLeft, data.size() - sum);
    return QString();
}
