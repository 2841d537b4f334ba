// Starting LeaderTask through the Windows shell, with a task link or bare,
// within the longest command line Windows starts a program with. The
// launcher reports only whether the shell accepted the launch.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "leadertask/locator.h"
#include "platform/fixed_text.h"
#include "platform/handles.h"

namespace quor {

// The longest command line, without its terminator, that Windows starts a
// program with: the shell's quoted path, a space and the parameters. A
// longer one is refused by Windows, or cut by shells that truncate, which
// would start LeaderTask with half a task and without its exit switch.
inline constexpr std::size_t kMaxCommandLine = 32766;
inline constexpr std::size_t kQuotesAndSpace = 3;

// The longest parameter string that can reach LeaderTask: the command line
// less the quotes, the space and a path of at least one unit.
inline constexpr std::size_t kMaxParameters = kMaxCommandLine - kQuotesAndSpace - 1;
using Parameters = FixedText<kMaxParameters>;

// The switch that makes LeaderTask take the task and exit without showing.
inline constexpr std::u16string_view kExitSwitch = u" /exit";

// True when a ShellExecuteW result, taken as a signed 32-bit number, means
// the program was started.
bool ShellSucceeded(std::intptr_t result);

// Opens LeaderTask with link as its whole parameter string, followed by the
// exit switch when show is false; the switch is appended to link in place.
// Reads LeaderTask's path on every call and returns false without calling
// the shell when there is none, or when the command line would be longer
// than Windows allows.
bool RunLT(WindowHandle ownerWnd, Parameters& link, bool show);

// Opens LeaderTask's executable at path with no parameters.
bool StartLT(WindowHandle ownerWnd, const LTPath& path);

}  // namespace quor
