// Conversions of doubles and wide integers to the int32 fields of records.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kwarel {

// Truncates toward zero; values beyond the int32 range are clamped to it and
// not-a-number gives 0, so that no conversion is ever undefined.
inline int32_t truncToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

inline int32_t clampToInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace kwarel
