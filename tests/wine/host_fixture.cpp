// The integration tests' support: files, registry and plug-in calls.
#include "host_fixture.h"

#include <shellapi.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "entries.h"
#include "handles.h"
#include "host_windows.h"
#include "registry.h"
#include "text.h"

namespace quortest {
namespace {

constexpr auto kReceiveTimeout = std::chrono::seconds(15);
constexpr std::int32_t kStartEntry = 3;

std::filesystem::path ReceivedPath() {
    return std::filesystem::path(LeaderTaskPath()).replace_filename(L"received.txt");
}

std::wstring StandinBuild(Standin standin) {
    switch (standin) {
        case Standin::V6952:
            return quorhost::WindowsPath(QUOR_LEADERTASK_6952);
        case Standin::V6949:
            return quorhost::WindowsPath(QUOR_LEADERTASK_6949);
        case Standin::NoVersion:
            return quorhost::WindowsPath(QUOR_LEADERTASK_NOVERSION);
    }
    throw std::logic_error("unknown stand-in");
}

}  // namespace

const quorhost::Plugin& ThePlugin() {
    static const quorhost::Plugin plugin(quorhost::WindowsPath(QUOR_PLUGIN_DLL));
    return plugin;
}

HWND MainWindow() { return quorhost::TheHostWindows().main.get(); }

HWND OtherWindow() { return quorhost::TheHostWindows().other.get(); }

std::wstring LeaderTaskPath() { return quorhost::WindowsPath(QUOR_TEST_DIR L"/Leader Task/LeaderTask.exe"); }

void InstallLeaderTask(Standin standin) {
    const std::filesystem::path target(LeaderTaskPath());
    std::filesystem::create_directories(target.parent_path());
    // A stand-in started by an earlier test may still be running from the
    // target for a moment after writing what it received.
    const auto deadline = std::chrono::steady_clock::now() + kReceiveTimeout;
    while (!CopyFileW(StandinBuild(standin).c_str(), target.c_str(), FALSE)) {
        if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("cannot copy the stand-in");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::filesystem::remove(ReceivedPath());
    quorhost::RegisterLeaderTask(target.wstring());
}

std::optional<std::wstring> WaitForReceived(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!std::filesystem::exists(ReceivedPath())) {
        if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::ifstream file(ReceivedPath(), std::ios::binary);
    return quorhost::FromUtf8(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

std::vector<std::wstring> Arguments(const std::wstring& commandLine) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine.c_str(), &count);
    if (arguments == nullptr) return {};
    const quorhost::UniqueLocalMemory owner(arguments);
    return std::vector<std::wstring>(arguments + 1, arguments + count);
}

CallResult RunTextEntry(std::int32_t index, std::u16string_view text, HWND owner) {
    quorhost::EntryRun run = quorhost::RunEntry(ThePlugin(), index, text, owner);
    if (run.initAnswer != 1) throw std::logic_error("init failed");
    return {run.answer, std::move(run.boxes)};
}

CallResult RunStart() {
    quorhost::EntryRun run = quorhost::RunEntry(ThePlugin(), kStartEntry, {}, nullptr);
    return {run.answer, std::move(run.boxes)};
}

void WineHostTest::SetUp() { quorhost::DeleteLeaderTaskKey(); }

void WineHostTest::TearDown() { quorhost::DeleteLeaderTaskKey(); }

}  // namespace quortest
