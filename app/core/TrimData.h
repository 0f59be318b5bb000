#pragma once

#include <QString>
#include <cstdint>

// The text without its first fromLeft and last fromRight characters, or the
// empty text when it is not longer than both together. The counts are signed
// 16-bit as the saved-items dialog passes them; a sum outside that range
// throws std::overflow_error.
QString trim_data(const QString &data, std::int16_t fromLeft, std::int16_t fromRight);
