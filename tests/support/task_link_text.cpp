// Task links built into the plug-in's own fixed buffer, then copied out.
#include "support/task_link_text.h"

#include <memory>

#include "leadertask/task_text.h"

namespace quor::test {
namespace {

template <typename Build>
std::optional<std::u16string> Built(Build build) {
    const auto link = std::make_unique<TaskLink>();  // 64 KiB: on the heap in tests
    if (!build(*link)) return std::nullopt;
    return std::u16string(link->view());
}

}  // namespace

std::optional<std::u16string> TaskLinkOf(const std::u16string& text) {
    return Built([&](TaskLink& link) { return BuildTaskLink(text.c_str(), link); });
}

std::optional<std::u16string> PreparedTextOf(const std::u16string& text) {
    return Built([&](TaskLink& link) { return PrepareTaskText(text.c_str(), link); });
}

}  // namespace quor::test
