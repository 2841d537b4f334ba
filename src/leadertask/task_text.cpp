// The task text pipeline: trim, prefixes, then one encoding pass that does the
// line-break, first-letter, run-narrowing and percent-encoding work together.
#include "leadertask/task_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "leadertask/launcher.h"
#include "platform/platform.h"

namespace quor {
namespace {

constexpr std::u16string_view kTrimSet = u" \r\n";
constexpr std::array<std::u16string_view, 4> kMarkerPrefixes = {u"++ ", u"!! ", u"%% ", u"== "};

bool IsTrimUnit(char16_t unit) { return unit == u' ' || unit == u'\r' || unit == u'\n'; }

// A character is trimmed when it is one unit of the trim set, or when its
// first two units stand next to each other in the trim set.
bool IsRemovable(std::u16string_view character) {
    if (character.size() == 1) return IsTrimUnit(character[0]);
    return kTrimSet.find(character.substr(0, 2)) != std::u16string_view::npos;
}

// Drops leading removable characters, stepping over characters as CharNextW
// does, so that a space carrying a combining mark stays.
std::u16string_view TrimStart(std::u16string_view text) {
    while (!text.empty() && IsTrimUnit(text.front())) {
        const std::size_t length = std::max<std::size_t>(1, platform::FirstCharLength(text));
        if (!IsRemovable(text.substr(0, length))) break;
        text.remove_prefix(length);
    }
    return text;
}

// Drops the trailing stretch of spaces, CRs and LFs. Walking back by units is
// the same as walking forward by characters: no trim unit is ever a combining
// mark, so each one in that stretch is a character of its own, and a mark
// after a trim unit ends the stretch.
std::u16string_view TrimEnd(std::u16string_view text) {
    while (!text.empty() && IsTrimUnit(text.back())) text.remove_suffix(1);
    return text;
}

// Removes each marker prefix once, in list order, without trimming again.
std::u16string_view DropMarkerPrefixes(std::u16string_view text) {
    for (std::u16string_view prefix : kMarkerPrefixes) {
        if (text.starts_with(prefix)) text.remove_prefix(prefix.size());
    }
    return text;
}

// Spaces left of a run of n: runs of three fold to one, then runs of two.
constexpr std::size_t NarrowedRun(std::size_t n) { return (n / 3 + n % 3 + 1) / 2; }

// Units above the double quote are copied as they are without a second look;
// below it lie the space, '!', the double quote and the control units.
bool IsPlain(char16_t unit) { return unit > u'"'; }

// Four units of text read as one 64-bit word, the first in the low bits.
static_assert(std::endian::native == std::endian::little);
constexpr std::uint64_t kLaneOnes = 0x0001000100010001;
constexpr std::uint64_t kLaneTops = 0x8000800080008000;

// Marks the lanes of a four-unit word whose unit lies below U+0023. The lowest
// mark is always exact; a borrow can only add marks above it.
constexpr std::uint64_t LanesBelow23(std::uint64_t word) {
    return (word - kLaneOnes * 0x23) & ~word & kLaneTops;
}

// The first unit from at on that is not plain, four units a step: plain text
// is most of any selection, so this scan is the encoder's hot loop.
const char16_t* FindSpecial(const char16_t* at, const char16_t* end) {
    for (; end - at >= 4; at += 4) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof(word));
        if (const std::uint64_t lanes = LanesBelow23(word)) return at + std::countr_zero(lanes) / 16;
    }
    while (at != end && IsPlain(*at)) ++at;
    return at;
}

// Counts the run of spaces and CR LF pairs that starts at `at` (each pair is a
// space by then) and moves past it.
std::size_t SkipSpaceRun(const char16_t*& at, const char16_t* end) {
    std::size_t count = 0;
    for (;;) {
        if (at != end && *at == u' ') {
            at += 1;
        } else if (end - at >= 2 && at[0] == u'\r' && at[1] == u'\n') {
            at += 2;
        } else {
            return count;
        }
        ++count;
    }
}

// Adds up the length of the encoded text.
struct CountingSink {
    std::size_t size = 0;
    void Copy(const char16_t*, std::size_t count) { size += count; }
    void Percent(char16_t) { size += 3; }
    void Spaces(std::size_t count) { size += 3 * count; }
};

// Writes the encoded text into a buffer of the counted length.
struct WritingSink {
    char16_t* out;
    void Copy(const char16_t* units, std::size_t count) {
        std::memcpy(out, units, count * sizeof(char16_t));
        out += count;
    }
    void Percent(char16_t unit) {
        constexpr char16_t kHex[] = u"0123456789ABCDEF";
        out[0] = u'%';
        out[1] = kHex[(unit >> 4) & 0xF];
        out[2] = kHex[unit & 0xF];
        out += 3;
    }
    void Spaces(std::size_t count) {
        for (; count != 0; --count) Percent(u' ');
    }
};

// One pass over the trimmed text: the first unit is upper-cased, each run of
// spaces and CR LF pairs is narrowed and written as "%20"s, lone CRs and LFs
// become "%20" of their own, and double quotes and control units are
// percent-encoded; everything else is copied as it is. Units up to the double
// quote have no upper case, so only a plain first unit is mapped.
template <typename Sink>
void Encode(std::u16string_view text, Sink& sink) {
    const char16_t* at = text.data();
    const char16_t* const end = at + text.size();
    if (at != end && IsPlain(*at)) {
        const char16_t first = platform::UpperUnit(*at++);
        sink.Copy(&first, 1);
    }
    while (at != end) {
        const char16_t* const special = FindSpecial(at, end);
        if (special != at) {
            sink.Copy(at, static_cast<std::size_t>(special - at));
            at = special;
            if (at == end) break;
        }
        if (*at == u' ' && end - at >= 2 && IsPlain(at[1])) {
            sink.Percent(u' ');  // a lone space between words, the common case
            ++at;
            continue;
        }
        if (const std::size_t spaces = SkipSpaceRun(at, end); spaces != 0) {
            sink.Spaces(NarrowedRun(spaces));
            continue;
        }
        const char16_t unit = *at++;
        if (unit == u'\r' || unit == u'\n') {
            sink.Percent(u' ');
        } else if (unit == u'"' || (unit >= 0x01 && unit <= 0x1F)) {
            sink.Percent(unit);
        } else {
            sink.Copy(&unit, 1);
        }
    }
}

std::u16string_view Normalize(std::u16string_view text) {
    return DropMarkerPrefixes(TrimEnd(TrimStart(text)));
}

// Builds head + encoded body + tail in one allocation of the final size.
std::u16string Assemble(std::u16string_view head, std::u16string_view text, std::u16string_view tail,
                        std::size_t spare) {
    const std::u16string_view body = Normalize(text);
    CountingSink counter;
    Encode(body, counter);
    const std::size_t size = head.size() + counter.size + tail.size();
    std::u16string result;
    result.reserve(size + spare);
    result.resize_and_overwrite(size, [&](char16_t* out, std::size_t) {
        out = std::copy(head.begin(), head.end(), out);
        WritingSink writer{out};
        Encode(body, writer);
        std::copy(tail.begin(), tail.end(), writer.out);
        return size;
    });
    return result;
}

}  // namespace

std::u16string PrepareTaskText(std::u16string_view text) { return Assemble({}, text, {}, 0); }

std::u16string BuildTaskLink(std::u16string_view text, std::size_t spare) {
    return Assemble(kTaskLinkHead, text, kTaskLinkTail, spare);
}

bool SendTextToLT(const char16_t* text, WindowHandle ownerWnd, bool show) {
    const std::u16string_view view = text != nullptr ? std::u16string_view(text) : std::u16string_view();
    return RunLT(ownerWnd, BuildTaskLink(view, show ? 0 : kExitSwitch.size()), show);
}

}  // namespace quor
