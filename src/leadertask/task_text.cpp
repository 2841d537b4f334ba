// The task text pipeline in one front-to-back pass over the host's
// null-terminated text: the start trim, the marker prefixes, then an encoder
// that folds line breaks, maps the first unit, narrows runs of spaces and
// percent-encodes as it goes, and makes the end trim by taking back what it
// wrote for a run of blanks that turns out to end the text.
#include "leadertask/task_text.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace quor {
namespace {

constexpr std::array<std::u16string_view, 4> kMarkerPrefixes = {u"++ ", u"!! ", u"%% ", u"== "};
constexpr std::u16string_view kEncodedSpace = u"%20";

// Space, CR or LF: one bit each in a mask of the units up to the space.
constexpr std::uint64_t kTrimUnits =
    std::uint64_t{1} << u' ' | std::uint64_t{1} << u'\r' | std::uint64_t{1} << u'\n';
bool IsTrimUnit(char16_t unit) { return unit <= u' ' && (kTrimUnits >> unit & 1) != 0; }

// Units above the double quote are copied as they are without a second look;
// at or below it lie the terminator, the control units, the space, '!' and
// the double quote.
bool IsPlain(char16_t unit) { return unit > u'"'; }

// Past the run of spaces, CRs and LFs at `at`.
const char16_t* SkipTrimUnits(const char16_t* at) {
    while (IsTrimUnit(*at)) ++at;
    return at;
}

// Past the leading spaces, CRs and LFs that are characters of their own. No
// trim unit is a combining mark, so one that is followed by another trim unit
// or by the terminator stands alone; only in front of anything else can a
// mark join it, and there the platform's character step decides. A trim unit
// that carries a mark begins a character that stays.
const char16_t* TrimStart(const char16_t* text) {
    const char16_t* const end = SkipTrimUnits(text);
    if (end != text && *end != u'\0' && platform::CharLength(end - 1) > 1) return end - 1;
    return end;
}

// Spaces left of a run of n: runs of three fold to one, then runs of two.
constexpr std::size_t NarrowedRun(std::size_t n) { return (n / 3 + n % 3 + 1) / 2; }

// Appends count spaces as "%20"s, written straight into the link's free room.
bool AppendSpaces(TaskLink& out, std::size_t count) {
    const std::span<char16_t> room = out.Spare();
    if (count > room.size() / kEncodedSpace.size()) return out.Overflow();
    for (std::size_t i = 0; i != count; ++i) {
        room[3 * i] = u'%';
        room[3 * i + 1] = u'2';
        room[3 * i + 2] = u'0';
    }
    out.Commit(count * kEncodedSpace.size());
    return true;
}

bool AppendPercent(TaskLink& out, char16_t unit) {
    constexpr char16_t kHex[] = u"0123456789ABCDEF";
    const char16_t encoded[] = {u'%', kHex[(unit >> 4) & 0xF], kHex[unit & 0xF]};
    return out.Append({encoded, 3});
}

// Encodes the run of spaces, CRs and LFs at `at` and moves past it. Each
// stretch of spaces and CR LF pairs (a pair is a space by then) narrows, a
// lone CR or LF gives one space of its own, and every space is "%20". A run
// that ends the text is the trailing blank stretch: what was written for it
// is taken back, overflow included. False when the run's output does not fit
// and the text goes on after it.
bool EncodeBlankRun(const char16_t*& at, TaskLink& out) {
    const std::size_t mark = out.size();
    while (IsTrimUnit(*at)) {
        std::size_t spaces = 0;
        for (;;) {
            const char16_t* const start = at;
            while (*at == u' ') ++at;
            spaces += static_cast<std::size_t>(at - start);
            if (at[0] != u'\r' || at[1] != u'\n') break;
            at += 2;
            ++spaces;
        }
        if (spaces != 0) {
            AppendSpaces(out, NarrowedRun(spaces));
        } else {
            ++at;  // a lone CR or LF
            AppendSpaces(out, 1);
        }
        if (out.overflowed()) at = SkipTrimUnits(at);  // only where the run ends matters now
    }
    if (*at == u'\0') {
        out.Truncate(mark);
        return true;
    }
    return !out.overflowed();
}

// Copies the plain units at `at` straight into the link's free room and
// moves past them; false, with the link overflowed, when they do not fit.
bool CopyPlain(const char16_t*& at, TaskLink& out) {
    const std::span<char16_t> room = out.Spare();
    std::size_t count = 0;
    while (count != room.size() && IsPlain(at[count])) {
        room[count] = at[count];
        ++count;
    }
    out.Commit(count);
    at += count;
    return !IsPlain(*at) || out.Append(*at);
}

// The text from `at` on, after the start trim and the prefixes. Only a plain
// first unit can have an upper case. Anything but blanks is final once
// written, so an overflow there ends the work at once.
bool EncodeBody(const char16_t* at, TaskLink& out) {
    if (IsPlain(*at) && !out.Append(platform::UpperUnit(*at++))) return false;
    for (;;) {
        if (!CopyPlain(at, out)) return false;
        const char16_t unit = *at;
        if (unit == u'\0') return true;
        if (unit == u' ' && IsPlain(at[1])) {  // a lone space between words, the common case
            if (!out.Append(kEncodedSpace)) return false;
            ++at;
            continue;
        }
        if (IsTrimUnit(unit)) {
            if (!EncodeBlankRun(at, out)) return false;
            continue;
        }
        ++at;
        const bool written = unit == u'!' ? out.Append(unit) : AppendPercent(out, unit);
        if (!written) return false;
    }
}

}  // namespace

bool PrepareTaskText(const char16_t* text, TaskLink& out) {
    const char16_t* at = TrimStart(text != nullptr ? text : u"");
    // Each marker prefix is removed once, in list order, without trimming
    // again. A prefix's space counts only when the text goes on after the
    // blanks that follow it; otherwise the end trim, which comes first, has
    // taken it, and the prepared text is the prefix's two marks.
    for (std::u16string_view prefix : kMarkerPrefixes) {
        if (at[0] != prefix[0] || at[1] != prefix[1] || at[2] != prefix[2]) continue;
        if (*SkipTrimUnits(at + 2) == u'\0')
            return out.Append(platform::UpperUnit(at[0])) && out.Append(at[1]);
        at += prefix.size();
    }
    return EncodeBody(at, out);
}

bool BuildTaskLink(const char16_t* text, TaskLink& link) {
    return link.Append(kTaskLinkHead) && PrepareTaskText(text, link) && link.Append(kTaskLinkTail);
}

bool SendTextToLT(TaskLink& link, WindowHandle ownerWnd, bool show) {
    return !link.overflowed() && RunLT(ownerWnd, link, show);
}

}  // namespace quor
