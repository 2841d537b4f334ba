// The task link and the prepared text as strings, so that tests, fuzzers and
// benchmarks can compare them with expected texts and the reference model.
#pragma once

#include <optional>
#include <string>

namespace quor::test {

// The link the plug-in builds for text (whose first U+0000, if any, ends it
// as it ends the host's text), or nothing when the link does not fit.
std::optional<std::u16string> TaskLinkOf(const std::u16string& text);

// The prepared text alone, or nothing when it does not fit a link.
std::optional<std::u16string> PreparedTextOf(const std::u16string& text);

}  // namespace quor::test
