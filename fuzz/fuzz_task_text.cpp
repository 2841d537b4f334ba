// Differential fuzz target: the linear task text preparation must equal the
// literal step-by-step reference, and the task link must wrap it and stay one
// shell argument free of spaces, line breaks, quotes and control units.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "leadertask/launcher.h"
#include "leadertask/task_text.h"
#include "support/reference_task_text.h"

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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = Units(data, size);
    const std::u16string prepared = quor::PrepareTaskText(text);
    const std::u16string reference = quor::test::ReferencePrepareTaskText(text);
    if (prepared != reference) Fail(text, prepared, reference);

    const std::size_t spare = quor::kExitSwitch.size();
    const std::u16string link = quor::BuildTaskLink(text, spare);
    const std::u16string expected =
        std::u16string(quor::kTaskLinkHead) + prepared + std::u16string(quor::kTaskLinkTail);
    if (link != expected || std::ranges::any_of(link, Forbidden) || link.capacity() < link.size() + spare)
        Fail(text, link, expected);
    return 0;
}
