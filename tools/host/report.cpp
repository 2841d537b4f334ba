// quorhost's output helpers.
#include "report.h"

#include <cstdio>

#include "host_windows.h"
#include "text.h"

namespace quorhost {
namespace {

std::string DescribeIcon(const MessageBoxReport& box) {
    if (!box.icon) return "an icon of its own (style unknown)";
    switch (*box.icon) {
        case 0:
            return "none";
        case MB_ICONERROR:
            return "error (MB_ICONERROR 0x10)";
        case MB_ICONQUESTION:
            return "question (MB_ICONQUESTION 0x20)";
        case MB_ICONWARNING:
            return "warning (MB_ICONWARNING 0x30)";
        default:
            return "information (MB_ICONINFORMATION 0x40)";
    }
}

}  // namespace

void Print(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string DescribeWindow(HWND window) {
    const HostWindows& windows = TheHostWindows();
    if (window == nullptr) return "none";
    if (window == windows.main.get()) return "host main window";
    if (window == windows.other.get()) return "another host window";
    return "window " + Hex(reinterpret_cast<ULONG_PTR>(window));
}

void PrintMessageBox(const MessageBoxReport& box) {
    Print("Message box (closed with OK):");
    Print("  owner:   " + DescribeWindow(box.owner));
    Print("  title:   " + Visible(box.title));
    Print("  icon:    " + DescribeIcon(box));
    Print(std::string("  buttons: ") + (box.okButtonOnly ? "OK" : "other than OK alone"));
    if (box.icon && box.okButtonOnly) Print("  style:   " + Hex(*box.icon));
    Print("  text:    " + Visible(box.text, "\n           "));
}

}  // namespace quorhost
