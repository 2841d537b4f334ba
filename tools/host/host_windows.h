// The host's top-level windows: the main window its services hand out to the
// plug-in, and a second window standing for any other window of the host.
#pragma once

#include <windows.h>

namespace quorhost {

// Owns a window and destroys it when it goes out of scope.
class Window {
public:
    explicit Window(HWND window) : window_(window) {}
    ~Window() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND get() const { return window_; }

private:
    HWND window_;
};

struct HostWindows {
    Window main;
    Window other;
};

// Created, hidden, by the first call, which the host makes at start; the
// windows live until the program exits.
const HostWindows& TheHostWindows();

}  // namespace quorhost
