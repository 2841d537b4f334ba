// Decimal numbers in the plug-in's texts, written as printf's "%d" writes them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/fixed_text.h"

namespace quor {

// The longest "%d" of a 32-bit number: a minus sign and ten digits.
inline constexpr std::size_t kMaxDecimal = 11;

// Appends value in decimal, with a minus sign when negative and no padding.
template <std::size_t N>
bool AppendDecimal(FixedText<N>& out, std::int32_t value) {
    char16_t digits[kMaxDecimal];
    std::size_t first = kMaxDecimal;
    const bool negative = value < 0;
    // The magnitude of INT32_MIN does not fit an int32_t, so work in 64 bits.
    std::int64_t magnitude = negative ? -std::int64_t{value} : std::int64_t{value};
    do {
        digits[--first] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits[--first] = u'-';
    return out.Append({digits + first, kMaxDecimal - first});
}

// Version components are unsigned but are printed as "%d" prints them.
template <std::size_t N>
bool AppendComponent(FixedText<N>& out, std::uint32_t component) {
    return AppendDecimal(out, static_cast<std::int32_t>(component));
}

}  // namespace quor
