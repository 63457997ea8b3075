// Conversions of text to numbers and of doubles to fixed-width integers that
// give the same result on every platform, whatever the C locale.
#pragma once

#include <cstdint>

namespace kwarel {

// Reads a decimal integer the way the standard string-to-integer conversion
// does: leading white space (space, tab, line feed, carriage return,
// vertical tab, form feed) skipped, an optional sign, then the digits up to
// the first other character. Text without digits gives 0. A value outside
// the int32 range is clamped to INT32_MIN or INT32_MAX (as a 32-bit strtol
// does), so the result is always defined.
int32_t toInteger(const char* text);

// Reads a decimal number the way the standard string-to-double conversion
// does: leading white space skipped, an optional sign, then the longest
// decimal number (digits, an optional point and fraction, an optional
// exponent). Text without digits gives 0.0, and so do the words inf and nan,
// which are not decimal numbers. A value too large for a double gives plus or
// minus infinity, one too small gives zero, as the standard conversion does.
// Independent of the C locale: the point is always ".".
double toNumber(const char* text);

// Truncates a double toward zero to an int32. Values beyond the int32 range
// are clamped to it and not-a-number gives 0, so the conversion is always
// defined (a plain cast would be undefined for them). Inline: the room tests
// truncate every coordinate of every sample point.
inline int32_t truncateToInt32(double value) {
    if (value != value) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Clamps a 64-bit intermediate (sums, products of int32 values) to the int32
// range of the field it goes into.
inline int32_t clampToInt32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Keeps the low 16 bits of an int32, as a conversion to a 16-bit field does,
// without implementation-defined behaviour.
inline int16_t lowBits16(int32_t value) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu));
}

}  // namespace kwarel
