// quorhost's commands; see Usage in commands.cpp.
#pragma once

#include <span>
#include <string>

namespace quorhost {

// Runs the command named by args (the program's arguments without its name)
// and returns the process exit code; throws std::exception on failures.
int RunCommand(std::span<const std::wstring> args);

}  // namespace quorhost
