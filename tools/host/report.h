// What quorhost prints: UTF-8 lines on standard output, and readable forms of
// numbers, windows and message boxes.
#pragma once

#include <string>
#include <string_view>

#include "message_watch.h"

namespace quorhost {

// Writes line and a line feed to standard output and flushes it.
void Print(std::string_view line);

// "host main window", "another host window", "none" or the handle in hex.
std::string DescribeWindow(HWND window);

// Prints a message box as a user saw it, indented under a heading.
void PrintMessageBox(const MessageBoxReport& box);

}  // namespace quorhost
