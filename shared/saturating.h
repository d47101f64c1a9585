#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

// Counts and totals that stop at the largest (or smallest) value instead of overflowing,
// and conversions of stored numbers that never cast a value the target cannot hold.
namespace Saturating {

inline qint64 add(qint64 a, qint64 b)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    constexpr qint64 least = std::numeric_limits<qint64>::min();
    if (b > 0 && a > most - b)
        return most;
    if (b < 0 && a < least - b)
        return least;
    return a + b;
}

// A stored real as a whole number: NaN counts as 0, anything beyond the range as its end.
inline qint64 toInt64(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775807.0)
        return std::numeric_limits<qint64>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(value);
}

inline int toInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

} // namespace Saturating
