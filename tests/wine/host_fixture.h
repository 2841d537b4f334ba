// Support for the integration tests, whose executable is a host of its own:
// the built programs, the stand-in LeaderTask installed in a folder whose name
// has a space, and calls of menu entries with the message boxes they show.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host_records.h"
#include "message_watch.h"
#include "plugin.h"

namespace quortest {

enum class Standin { V6952, V6949, NoVersion };

// The byte a host record holds wherever the plug-in has not written, and a
// 32-bit field made of it.
inline constexpr std::byte kHostByte{0xA5};
inline constexpr std::int32_t kUntouched32 = static_cast<std::int32_t>(0xA5A5A5A5);

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

// Every test starts and ends with LeaderTask's registry key removed.
class WineHostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace quortest
