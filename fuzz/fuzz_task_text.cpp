// Differential fuzz target: the bounded one-pass task text preparation must
// equal the literal step-by-step reference, and the task link must wrap it and
// stay one shell argument free of spaces, line breaks, quotes and control
// units; a link longer than any command line allows must be refused.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "leadertask/launcher.h"
#include "leadertask/task_text.h"
#include "support/reference_task_text.h"
#include "support/task_link_text.h"

namespace {

// The input as UTF-16 code units, little endian, an odd last byte dropped, cut
// at the first U+0000 as the host's null-terminated text is.
std::u16string Units(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (unit == u'\0') break;
        text.push_back(unit);
    }
    return text;
}

void Print(const char* label, const std::u16string& text) {
    std::fprintf(stderr, "%s:", label);
    for (char16_t unit : text) std::fprintf(stderr, " %04X", static_cast<unsigned>(unit));
    std::fprintf(stderr, "\n");
}

// Stops the run, showing the input and both outputs in hex code units.
void Fail(const std::u16string& text, const std::u16string& product, const std::u16string& expected) {
    Print("input", text);
    Print("product", product);
    Print("expected", expected);
    std::abort();
}

bool Forbidden(char16_t unit) { return unit <= u' ' || unit == u'"'; }

}  // namespace

// An input that opens with "LL" and a byte n stands for the rest cut in two
// with a run of plain units between the halves, long enough that the link
// lands within 128 units of the longest that can reach LeaderTask: so the
// refusal of links too long is compared with the reference too, at a cost
// the reference can bear.
std::u16string Text(const std::uint8_t* data, std::size_t size) {
    if (size < 3 || data[0] != 'L' || data[1] != 'L') return Units(data, size);
    const std::size_t plain = quor::kMaxParameters - 128 + data[2];
    const std::size_t half = (size - 3) / 2 & ~std::size_t{1};
    return Units(data + 3, half) + std::u16string(plain, u'w') + Units(data + 3 + half, size - 3 - half);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = Text(data, size);
    const std::optional<std::u16string> prepared = quor::test::PreparedTextOf(text);
    const std::u16string reference = quor::test::ReferencePrepareTaskText(text);
    const std::u16string expected =
        std::u16string(quor::kTaskLinkHead) + reference + std::u16string(quor::kTaskLinkTail);
    const std::optional<std::u16string> link = quor::test::TaskLinkOf(text);
    if (expected.size() > quor::kMaxParameters) {
        // Too long for any command line: refused, as is the prepared text
        // once it cannot fit a link either.
        if (link) Fail(text, *link, u"(refused)");
        return 0;
    }
    if (prepared != reference) Fail(text, prepared.value_or(u"(refused)"), reference);
    if (link != expected || std::ranges::any_of(*link, Forbidden))
        Fail(text, link.value_or(u"(refused)"), expected);
    return 0;
}
