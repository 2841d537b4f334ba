// The command procedures the host calls for the menu entries.
//
// The text command saves the host's text as a task, shown (item parameter 1)
// or hidden (any other value, after the version gate); the start command
// starts LeaderTask bare. Their two messages are owned by the host's main
// window; the record's owner window goes to the shell alone.
#include <string_view>

#include "host/host_services.h"
#include "leadertask/launcher.h"
#include "leadertask/locator.h"
#include "leadertask/task_text.h"
#include "platform/platform.h"
#include "plugin/decimal.h"
#include "plugin/exports.h"

namespace quor {
namespace {

constexpr std::uint32_t kErrorIcon = 0x10;    // MB_ICONERROR | MB_OK
constexpr std::uint32_t kWarningIcon = 0x30;  // MB_ICONWARNING | MB_OK

constexpr std::u16string_view kTooOldHead =
    u"This command required version LeaderTask 6.9.5.2 or later\nYour version of LeaderTask: ";
constexpr std::u16string_view kTooOldPath = u"\nLeaderTask Path: ";
constexpr std::u16string_view kTooOldTail =
    u"\n\nPlease, use command with show LT or update Your version of LeaderTask";

// The version message at its longest: four components, three points and a
// path of the longest length the registry read gives.
using VersionMessage = FixedText<kTooOldHead.size() + 4 * kMaxDecimal + 3 + kTooOldPath.size() + kMaxLTPath +
                                 kTooOldTail.size()>;

void ShowMessage(const char16_t* text, std::uint32_t style) {
    platform::ShowMessageBox(GetHostMainWnd(), text, u"Quorlink", style);
}

// The message for a LeaderTask that is missing or too old for the hidden mode.
VersionMessage TooOldMessage(const ModuleVersionInfo& version, const LTPath& path) {
    VersionMessage text;
    text.Append(kTooOldHead);
    AppendComponent(text, version.major);
    text.Append(u'.');
    AppendComponent(text, version.minor);
    text.Append(u'.');
    AppendComponent(text, version.release);
    text.Append(u'.');
    AppendComponent(text, version.build);
    text.Append(kTooOldPath);
    text.Append(path.view());
    text.Append(kTooOldTail);
    return text;
}

// The hidden mode's gate: true when LeaderTask is new enough, otherwise the
// user is told why, with the version and path found.
bool PassesVersionGate() {
    ModuleVersionInfo version = BlankVersionInfo();
    LTPath path;
    if (CheckLTVersion(&version, &path)) return true;
    ShowMessage(TooOldMessage(version, path).c_str(), kErrorIcon);
    return false;
}

std::int32_t SaveText(const ProcCallInfo& call) {
    // The host's text is read once, now, into the link: the plug-in's own copy.
    TaskLink link;
    BuildTaskLink(call.text, link);
    const bool show = call.itemParam == 1;
    if (!show && !PassesVersionGate()) return 1;
    return SendTextToLT(link, call.ownerWnd, show) ? 1 : 0;
}

std::int32_t StartLeaderTask() {
    const LTPath path = GetLTPath();
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
    return call != nullptr ? quor::SaveText(*call) : 0;
}

std::int32_t QUOR_EXPORT_CALL StartLTProc() { return quor::StartLeaderTask(); }
