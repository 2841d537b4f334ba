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

// The code point starting at text[pos] and its length in units; a lone
// surrogate stands for itself with length 1.
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

Decoded DecodeAt(std::u16string_view text, std::size_t pos) {
    const char16_t lead = text[pos];
    if (IsHighSurrogate(lead) && pos + 1 < text.size() && IsLowSurrogate(text[pos + 1])) {
        const char32_t high = lead - 0xD800u;
        const char32_t low = text[pos + 1] - 0xDC00u;
        return {0x10000u + (high << 10) + low, 2};
    }
    return {lead, 1};
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

std::size_t FirstCharLength(std::u16string_view text) noexcept {
    if (text.empty()) return 0;
    std::size_t length = DecodeAt(text, 0).length;
    while (length < text.size()) {
        const Decoded next = DecodeAt(text, length);
        if (!IsCombiningMark(next.codePoint)) break;
        length += next.length;
    }
    return length;
}

}  // namespace quor::unicode
