// Decimal numbers in the plug-in's texts, written as printf's "%d" writes them.
#pragma once

#include <cstdint>
#include <string>

namespace quor {

// Appends value in decimal, with a minus sign when negative and no padding.
inline void AppendDecimal(std::u16string& out, std::int32_t value) {
    std::int64_t magnitude = value;
    if (magnitude < 0) {
        out.push_back(u'-');
        magnitude = -magnitude;
    }
    char16_t digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count != 0) out.push_back(digits[--count]);
}

// Version components are unsigned but are printed as "%d" prints them.
inline void AppendComponent(std::u16string& out, std::uint32_t component) {
    AppendDecimal(out, static_cast<std::int32_t>(component));
}

}  // namespace quor
