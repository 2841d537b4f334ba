// Starting LeaderTask through the Windows shell, with a task link or bare.
// The launcher reports only whether the shell accepted the launch.
#pragma once

#include <cstdint>
#include <string>

#include "plugin/records.h"

namespace quor {

// The switch that makes LeaderTask take the task and exit without showing.
inline constexpr std::u16string_view kExitSwitch = u" /exit";

// True when a ShellExecuteW result, taken as a signed 32-bit number, means
// the program was started.
bool ShellSucceeded(std::intptr_t result);

// Opens LeaderTask with link as its whole parameter string, followed by the
// exit switch when show is false. Reads LeaderTask's path on every call and
// returns false without calling the shell when there is none, or when the
// command line would be longer than Windows allows.
bool RunLT(WindowHandle ownerWnd, std::u16string link, bool show);

// Opens LeaderTask's executable at path with no parameters.
bool StartLT(WindowHandle ownerWnd, const std::u16string& path);

}  // namespace quor
