// Watching the message boxes a call shows: a CBT hook on the calling thread
// reads each standard dialog (#32770) as it is activated, records what a user
// would see, and closes it with OK so that the call can return.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorhost {

struct MessageBoxReport {
    HWND owner;
    std::wstring title;
    std::wstring text;
    // MB_ICONERROR 0x10, MB_ICONQUESTION 0x20, MB_ICONWARNING 0x30 or
    // MB_ICONINFORMATION 0x40 when the box shows that system icon, 0 when it
    // shows none, nothing when it shows an icon of its own.
    std::optional<std::uint32_t> icon;
    bool okButtonOnly;  // MB_OK: the only button is OK
};

// Hooks the calling thread for its lifetime; one watch per thread at a time.
class MessageBoxWatch {
public:
    MessageBoxWatch();
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    const std::vector<MessageBoxReport>& Seen() const { return seen_; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND window);

    HHOOK hook_;
    HWND lastBox_ = nullptr;
    std::vector<MessageBoxReport> seen_;
};

}  // namespace quorhost
