// The literal reference model of the task text preparation.
#include "support/reference_task_text.h"

#include <array>

#include "platform/platform.h"

namespace quor::test {
namespace {

constexpr std::u16string_view kTrimSet = u" \r\n";

bool InTrimSet(char16_t unit) { return kTrimSet.find(unit) != std::u16string_view::npos; }

// Whether the character of length units at position pos may be trimmed.
bool Removable(const std::u16string& text, std::size_t pos, std::size_t length) {
    if (length == 1) return InTrimSet(text[pos]);
    return kTrimSet.find(std::u16string_view(text).substr(pos, 2)) != std::u16string_view::npos;
}

std::size_t CharLengthAt(const std::u16string& text, std::size_t pos) {
    const std::size_t length = platform::CharLength(text.c_str() + pos);
    return length == 0 ? 1 : length;
}

// Replaces every occurrence of pattern, searching on after each replacement.
std::u16string ReplaceAll(const std::u16string& text, std::u16string_view pattern,
                          std::u16string_view replacement) {
    std::u16string result = text;
    std::size_t pos = result.find(pattern);
    while (pos != std::u16string::npos) {
        result.replace(pos, pattern.size(), replacement);
        pos = result.find(pattern, pos + replacement.size());
    }
    return result;
}

}  // namespace

std::u16string ReferencePrepareTaskText(std::u16string_view input) {
    std::u16string text(input);

    // 1. Trim at the start, character by character.
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = CharLengthAt(text, pos);
        if (!Removable(text, pos, length)) break;
        pos += length;
    }
    text.erase(0, pos);

    // 2. Trim at the end: cut where the final run of removable characters began.
    std::size_t runStart = std::u16string::npos;
    pos = 0;
    while (pos < text.size()) {
        const std::size_t length = CharLengthAt(text, pos);
        if (!Removable(text, pos, length)) {
            runStart = std::u16string::npos;
        } else if (runStart == std::u16string::npos) {
            runStart = pos;
        }
        pos += length;
    }
    if (runStart != std::u16string::npos) text.erase(runStart);

    // 3. Marker prefixes, each tested once, in order.
    for (std::u16string_view prefix : {u"++ ", u"!! ", u"%% ", u"== "}) {
        if (std::u16string_view(text).starts_with(prefix)) text.erase(0, prefix.size());
    }

    // 4. CR LF pairs.
    text = ReplaceAll(text, u"\r\n", u" ");

    // 5. The first unit, upper-cased.
    if (!text.empty()) {
        const char16_t mapped = platform::UpperUnit(text[0]);
        if (mapped != text[0]) text = std::u16string(1, mapped) + text.substr(1);
    }

    // 6 to 10. Runs of three spaces, of two, lone CRs, lone LFs, spaces.
    text = ReplaceAll(text, u"   ", u" ");
    text = ReplaceAll(text, u"  ", u" ");
    text = ReplaceAll(text, u"\r", u" ");
    text = ReplaceAll(text, u"\n", u" ");
    text = ReplaceAll(text, u" ", u"%20");

    // Double quotes and control characters, percent-encoded.
    std::u16string encoded;
    for (char16_t unit : text) {
        if (unit == u'"' || (unit >= 0x01 && unit <= 0x1F)) {
            constexpr std::u16string_view kHex = u"0123456789ABCDEF";
            encoded += u'%';
            encoded += kHex[unit >> 4];
            encoded += kHex[unit & 0xF];
        } else {
            encoded += unit;
        }
    }
    return encoded;
}

}  // namespace quor::test
