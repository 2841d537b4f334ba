// What quorhost prints: UTF-8 lines on standard output, and readable forms of
// the plug-in's record fields, windows and message boxes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "message_watch.h"

namespace quorhost {

// Writes line and a line feed to standard output and flushes it.
void Print(std::string_view line);

// A text field of a host record, up to its terminator.
template <typename Unit, std::size_t N>
std::basic_string<Unit> FieldText(const Unit (&field)[N]) {
    std::basic_string_view<Unit> text(field, N);
    return std::basic_string<Unit>(text.substr(0, text.find(Unit{})));
}

// "0x2"
std::string Hex(unsigned long long value);

// "host main window", "another host window", "none" or the handle in hex.
std::string DescribeWindow(HWND window);

// Prints a message box as a user saw it, indented under a heading.
void PrintMessageBox(const MessageBoxReport& box);

}  // namespace quorhost
