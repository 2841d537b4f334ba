// Writing texts into the fixed-size text fields of the host's records. Every
// text the plug-in writes is known to fit its field when the code compiles.
#pragma once

#include <algorithm>
#include <cstddef>

#include "platform/fixed_text.h"

namespace quor {

// Copies a constant text and its terminator into field; the units behind the
// terminator stay as the host left them. A text longer than the field does
// not compile.
template <typename Unit, std::size_t N, std::size_t M>
void WriteField(Unit (&field)[N], const Unit (&text)[M]) {
    static_assert(M <= N, "the text does not fit the field");
    std::copy_n(text, M, field);
}

// Copies a fixed text and its terminator into field; a fixed text whose
// capacity could exceed the field does not compile.
template <std::size_t N, std::size_t M>
void WriteField(char16_t (&field)[N], const FixedText<M>& text) {
    static_assert(M < N, "the text does not fit the field");
    std::copy_n(text.c_str(), text.size() + 1, field);
}

}  // namespace quor
