#include "platform/unicode_standin.h"

#include <algorithm>
#include <iterator>

namespace quor::unicode {
namespace {

struct UpperPair {
    char16_t unit;
    char16_t upper;  // cppcheck-suppress unusedStructMember ; read through the generated table
};

struct MarkRange {
    char32_t first;  // cppcheck-suppress unusedStructMember ; read through the generated table
    char32_t last;
};

#include "platform/unicode_tables.inc"

static_assert(std::is_sorted(std::begin(kUpperPairs), std::end(kUpperPairs),
                             [](UpperPair a, UpperPair b) { return a.unit < b.unit; }));
static_assert(std::adjacent_find(std::begin(kMarkRanges), std::end(kMarkRanges),
                                 [](MarkRange a, MarkRange b) {
                                     return a.first > a.last || a.last + 1 >= b.first;
                                 }) == std::end(kMarkRanges));

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point starting at `at` in a null-terminated text and its length
// in units; a lone surrogate stands for itself with length 1.
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

Decoded DecodeAt(const char16_t* at) {
    if (IsHighSurrogate(at[0]) && IsLowSurrogate(at[1])) {
        const char32_t high = at[0] - 0xD800u;
        const char32_t low = at[1] - 0xDC00u;
        return {0x10000u + (high << 10) + low, 2};
    }
    return {at[0], 1};
}

}  // namespace

char16_t UpperUnit(char16_t unit) noexcept {
    const auto* it = std::lower_bound(std::begin(kUpperPairs), std::end(kUpperPairs), unit,
                                      [](UpperPair pair, char16_t key) { return pair.unit < key; });
    return it != std::end(kUpperPairs) && it->unit == unit ? it->upper : unit;
}

bool IsCombiningMark(char32_t codePoint) noexcept {
    const auto* it = std::lower_bound(std::begin(kMarkRanges), std::end(kMarkRanges), codePoint,
                                      [](MarkRange range, char32_t key) { return range.last < key; });
    return it != std::end(kMarkRanges) && it->first <= codePoint;
}

std::size_t CharLength(const char16_t* at) noexcept {
    if (*at == u'\0') return 0;
    std::size_t length = DecodeAt(at).length;
    while (at[length] != u'\0') {
        const Decoded next = DecodeAt(at + length);
        if (!IsCombiningMark(next.codePoint)) break;
        length += next.length;
    }
    return length;
}

}  // namespace quor::unicode
