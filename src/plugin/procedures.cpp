// The command procedures the host calls for the menu entries.
//
// The text command saves the host's text as a task, shown (item parameter 1)
// or hidden (any other value, after the version gate); the start command
// starts LeaderTask bare. Their two messages are owned by the host's main
// window; the record's owner window goes to the shell alone.
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "leadertask/launcher.h"
#include "leadertask/locator.h"
#include "leadertask/task_text.h"
#include "platform/platform.h"
#include "plugin/decimal.h"
#include "plugin/exports.h"
#include "plugin/guard.h"

namespace quor {
namespace {

constexpr std::uint32_t kErrorIcon = 0x10;    // MB_ICONERROR | MB_OK
constexpr std::uint32_t kWarningIcon = 0x30;  // MB_ICONWARNING | MB_OK

void ShowMessage(const std::u16string& text, std::uint32_t style) {
    platform::ShowMessageBox(GetHostMainWnd(), text.c_str(), u"Quorlink", style);
}

// The message for a LeaderTask that is missing or too old for the hidden mode.
std::u16string VersionMessage(const ModuleVersionInfo& version, const std::u16string& path) {
    std::u16string text =
        u"This command required version LeaderTask 6.9.5.2 or later\nYour version of LeaderTask: ";
    AppendComponent(text, version.major);
    text += u'.';
    AppendComponent(text, version.minor);
    text += u'.';
    AppendComponent(text, version.release);
    text += u'.';
    AppendComponent(text, version.build);
    text += u"\nLeaderTask Path: ";
    text += path;
    text += u"\n\nPlease, use command with show LT or update Your version of LeaderTask";
    return text;
}

std::int32_t SaveText(const ProcCallInfo& call) {
    const bool show = call.itemParam == 1;
    if (!show) {
        ModuleVersionInfo version = BlankVersionInfo();
        std::u16string path;
        if (!CheckLTVersion(&version, &path)) {
            ShowMessage(VersionMessage(version, path), kErrorIcon);
            return 1;
        }
    }
    return SendTextToLT(call.text, call.ownerWnd, show) ? 1 : 0;
}

std::int32_t StartLeaderTask() {
    const std::u16string path = GetLTPath();
    if (path.empty()) {
        ShowMessage(u"Cannot get path to LeaderTask organizer.", kWarningIcon);
        return 1;
    }
    return StartLT(GetHostMainWnd(), path) ? 1 : 0;
}

}  // namespace
}  // namespace quor

std::int32_t QUOR_EXPORT_CALL InitText2LTProc(quor::ProcCallInfo* call) {
    if (call == nullptr) return 0;
    call->initFlag = 1;
    call->initCode = 3;
    return 1;
}

std::int32_t QUOR_EXPORT_CALL Text2LTProc(quor::ProcCallInfo* call) {
    return quor::Guarded([&] { return call != nullptr ? quor::SaveText(*call) : 0; });
}

std::int32_t QUOR_EXPORT_CALL StartLTProc() {
    return quor::Guarded([] { return quor::StartLeaderTask(); });
}
