// LeaderTask launches through ShellExecuteW with the verb "open".
#include "leadertask/launcher.h"

#include "leadertask/locator.h"
#include "platform/platform.h"

namespace quor {
namespace {

constexpr int kShowNormal = 5;  // SW_SHOW

// The longest command line Windows starts a program with, without its
// terminator: the shell's quoted path, a space and the parameters. A longer
// one is refused by Windows, or cut by shells that truncate, which would
// start LeaderTask with half a task and without its exit switch.
constexpr std::size_t kMaxCommandLine = 32766;

bool FitsCommandLine(const std::u16string& path, const std::u16string& parameters) {
    return path.size() + 3 + parameters.size() <= kMaxCommandLine;
}

bool Open(WindowHandle ownerWnd, const char16_t* file, const char16_t* parameters) {
    return ShellSucceeded(
        platform::ShellExecuteText(ownerWnd, u"open", file, parameters, nullptr, kShowNormal));
}

}  // namespace

bool ShellSucceeded(std::intptr_t result) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(result)) > 32;
}

bool RunLT(WindowHandle ownerWnd, std::u16string link, bool show) {
    const std::u16string path = GetLTPath();
    if (path.empty()) return false;
    if (!show) link += kExitSwitch;
    if (!FitsCommandLine(path, link)) return false;
    return Open(ownerWnd, path.c_str(), link.c_str());
}

bool StartLT(WindowHandle ownerWnd, const std::u16string& path) {
    return Open(ownerWnd, path.c_str(), nullptr);
}

}  // namespace quor
