// LeaderTask launches through ShellExecuteW with the verb "open".
#include "leadertask/launcher.h"

#include "platform/platform.h"

namespace quor {
namespace {

constexpr int kShowCommand = 5;  // SW_SHOW

bool FitsCommandLine(const LTPath& path, const Parameters& parameters) {
    return !parameters.overflowed() && path.size() + kQuotesAndSpace + parameters.size() <= kMaxCommandLine;
}

bool Open(WindowHandle ownerWnd, const char16_t* file, const char16_t* parameters) {
    return ShellSucceeded(
        platform::ShellExecuteText(ownerWnd, u"open", file, parameters, nullptr, kShowCommand));
}

}  // namespace

bool ShellSucceeded(std::intptr_t result) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(result)) > 32;
}

bool RunLT(WindowHandle ownerWnd, Parameters& link, bool show) {
    const LTPath path = GetLTPath();
    if (path.empty()) return false;
    if (!show) link.Append(kExitSwitch);
    if (!FitsCommandLine(path, link)) return false;
    return Open(ownerWnd, path.c_str(), link.c_str());
}

bool StartLT(WindowHandle ownerWnd, const LTPath& path) { return Open(ownerWnd, path.c_str(), nullptr); }

}  // namespace quor
