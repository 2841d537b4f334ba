// Support for the integration tests, whose executable is a host of its own:
// the built programs, the stand-in LeaderTask installed in a folder whose name
// has a space, calls of menu entries with the message boxes they show, and
// the bare host run as a child process.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "message_watch.h"
#include "plugin.h"

namespace quortest {

enum class Standin { V6952, V6949, NoVersion };

// QuorlinkU.dll, loaded once for the whole run.
const quorhost::Plugin& ThePlugin();

HWND MainWindow();
HWND OtherWindow();

// ".../Leader Task/LeaderTask.exe" in the tests' build folder.
std::wstring LeaderTaskPath();

// Copies the stand-in to LeaderTaskPath(), registers that path as LeaderTask's
// and removes the command line an earlier start left.
void InstallLeaderTask(Standin standin);

// The command line the stand-in received, once it has written it; nothing
// when it has not within timeout.
std::optional<std::wstring> WaitForReceived(std::chrono::milliseconds timeout = std::chrono::seconds(15));

// The command-line arguments of commandLine after the program's name.
std::vector<std::wstring> Arguments(const std::wstring& commandLine);

struct CallResult {
    std::int32_t answer;
    std::vector<quorhost::MessageBoxReport> boxes;
};

// Runs menu entry index as the host does: its init procedure, then its
// procedure, both found by the names in the entry, with the entry's item
// parameter, text and owner in the call record.
CallResult RunTextEntry(std::int32_t index, std::u16string_view text, HWND owner);

// Runs StartLTProc.
CallResult RunStart();

// Runs quorhost-bare.exe (the host without services) on the plug-in with
// arguments and returns the lines it printed.
std::vector<std::string> RunBareHost(std::wstring_view arguments);

// Every test starts and ends with LeaderTask's registry key removed.
class WineHostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace quortest
