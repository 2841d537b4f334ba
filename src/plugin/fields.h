// Writing texts into the fixed-size text fields of the host's records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace quor {

// Copies text and its terminator into field, cut to the field's width; the
// code units behind the terminator stay as the host left them.
template <typename Unit, std::size_t N>
void WriteField(Unit (&field)[N], std::basic_string_view<Unit> text) {
    static_assert(N > 0);
    const std::size_t count = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), count, field);
    field[count] = Unit{};
}

}  // namespace quor
