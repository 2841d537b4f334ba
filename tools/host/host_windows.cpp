// Creation of the host's windows, of one plain window class.
#include "host_windows.h"

#include <stdexcept>

namespace quorhost {
namespace {

constexpr wchar_t kWindowClass[] = L"QuorhostWindow";

HWND CreateTopLevel(const wchar_t* title) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const ATOM registered = [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass);
    }();
    if (registered == 0) throw std::runtime_error("cannot register the host window class");
    HWND window = CreateWindowExW(0, kWindowClass, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  400, 300, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) throw std::runtime_error("cannot create a host window");
    return window;
}

}  // namespace

const HostWindows& TheHostWindows() {
    static const HostWindows windows{UniqueWindow(CreateTopLevel(L"Quorhost")),
                                     UniqueWindow(CreateTopLevel(L"Quorhost: another window"))};
    return windows;
}

}  // namespace quorhost
