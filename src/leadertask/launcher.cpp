// LeaderTask launches through ShellExecuteW with the verb "open".
#include "leadertask/launcher.h"

#include "leadertask/locator.h"
#include "platform/platform.h"

namespace quor {
namespace {

constexpr int kShowNormal = 5;  // SW_SHOW

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
    return Open(ownerWnd, path.c_str(), link.c_str());
}

bool StartLT(WindowHandle ownerWnd, const std::u16string& path) {
    return Open(ownerWnd, path.c_str(), nullptr);
}

}  // namespace quor
