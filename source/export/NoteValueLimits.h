#pragma once

#include <cmath>
#include <limits>

namespace nubo
{

/** Truncates toward zero like a C cast, but saturates at the int range instead of overflowing
    (which would be undefined behaviour) and maps NaN to 0. Note values can come from a saved state. */
inline int truncateToIntSaturating (double value) noexcept
{
    if (std::isnan (value))
        return 0;

    const auto truncated = std::trunc (value);

    if (truncated >= static_cast<double> (std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();

    if (truncated <= static_cast<double> (std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();

    return static_cast<int> (truncated);
}

} // namespace nubo
