// The message-box watcher's hook and the reading of a message box.
#include "message_watch.h"

#include <algorithm>

#include <array>
#include <stdexcept>

namespace quorhost {
namespace {

thread_local MessageBoxWatch* activeWatch = nullptr;

// Dialog item ids of a message box: its text, and its icon on Windows (0x14)
// and on Wine (0x440).
constexpr int kTextItem = 0xFFFF;
constexpr std::array kIconItems{0x14, 0x440};

// The system icon resource ids (IDI_HAND ... IDI_ASTERISK) and their styles.
struct SystemIcon {
    WORD resource;
    std::uint32_t style;
};
constexpr std::array<SystemIcon, 4> kSystemIcons{
    {{32513, MB_ICONERROR}, {32514, MB_ICONQUESTION}, {32515, MB_ICONWARNING}, {32516, MB_ICONINFORMATION}}};

// MAKEINTRESOURCEW without its cast.
const wchar_t* IntResource(WORD id) { return reinterpret_cast<const wchar_t*>(static_cast<ULONG_PTR>(id)); }

std::wstring WindowText(HWND window) {
    if (window == nullptr) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsStandardDialog(HWND window) {
    std::array<wchar_t, 16> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring_view(name.data(), static_cast<std::size_t>(length)) == L"#32770";
}

std::optional<std::uint32_t> IconStyle(HWND box) {
    HICON shown = nullptr;
    for (int item : kIconItems) {
        HWND control = GetDlgItem(box, item);
        if (control != nullptr && shown == nullptr) {
            shown = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
        }
    }
    if (shown == nullptr) return 0;
    const auto match = std::find_if(
        std::begin(kSystemIcons), std::end(kSystemIcons),
        [shown](const SystemIcon& icon) { return LoadIconW(nullptr, IntResource(icon.resource)) == shown; });
    if (match == std::end(kSystemIcons)) return std::nullopt;
    return match->style;
}

bool HasOkButtonOnly(HWND box) {
    constexpr std::array kButtons{IDOK,  IDCANCEL, IDABORT, IDRETRY,    IDIGNORE,
                                  IDYES, IDNO,     IDHELP,  IDTRYAGAIN, IDCONTINUE};
    for (int button : kButtons) {
        if ((GetDlgItem(box, button) != nullptr) != (button == IDOK)) return false;
    }
    return true;
}

}  // namespace

MessageBoxWatch::MessageBoxWatch() {
    if (activeWatch != nullptr)
        throw std::logic_error("a message-box watch is already active on this thread");
    hook_ = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    if (hook_ == nullptr) throw std::runtime_error("cannot hook the thread's windows");
    activeWatch = this;
}

MessageBoxWatch::~MessageBoxWatch() {
    UnhookWindowsHookEx(hook_);
    activeWatch = nullptr;
}

LRESULT CALLBACK MessageBoxWatch::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeWatch != nullptr)
        activeWatch->OnActivate(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxWatch::OnActivate(HWND window) {
    if (window == lastBox_ || !IsStandardDialog(window)) return;
    lastBox_ = window;
    seen_.push_back(MessageBoxReport{GetWindow(window, GW_OWNER), WindowText(window),
                                     WindowText(GetDlgItem(window, kTextItem)), IconStyle(window),
                                     HasOkButtonOnly(window)});
    PostMessageW(window, WM_COMMAND, IDOK, 0);
}

}  // namespace quorhost
