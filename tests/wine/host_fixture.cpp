// The integration tests' support: files, registry, plug-in calls and child processes.
#include "host_fixture.h"

#include <shellapi.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "entries.h"
#include "host_windows.h"
#include "registry.h"
#include "text.h"

namespace quortest {
namespace {

// Owns a kernel handle and closes it when it goes out of scope.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    HANDLE* put() { return &handle_; }
    void reset() {
        if (handle_ != nullptr) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

// Owns memory that LocalFree releases.
class LocalMemory {
public:
    explicit LocalMemory(void* memory) : memory_(memory) {}
    ~LocalMemory() { LocalFree(memory_); }
    LocalMemory(const LocalMemory&) = delete;
    LocalMemory& operator=(const LocalMemory&) = delete;

private:
    void* memory_;
};

constexpr auto kReceiveTimeout = std::chrono::seconds(15);
constexpr DWORD kChildTimeoutMs = 60'000;
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
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
    const LocalMemory owner(arguments);
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

std::vector<std::string> RunBareHost(std::wstring_view arguments) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle readEnd;
    Handle writeEnd;
    if (!CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 0)) throw std::runtime_error("no pipe");
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = L"\"" + quorhost::WindowsPath(QUOR_BARE_HOST) + L"\" \"" +
                               quorhost::WindowsPath(QUOR_PLUGIN_DLL) + L"\" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &started)) {
        throw std::runtime_error("cannot start the bare host");
    }
    const Handle process(started.hProcess);
    const Handle thread(started.hThread);
    writeEnd.reset();  // the child holds the only write end now, so reading ends when it exits

    std::string output;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(readEnd.get(), chunk, sizeof(chunk), &read, nullptr) && read != 0)
        output.append(chunk, read);
    if (WaitForSingleObject(process.get(), kChildTimeoutMs) != WAIT_OBJECT_0) {
        throw std::runtime_error("the bare host did not end");
    }
    return Lines(output);
}

void WineHostTest::SetUp() { quorhost::DeleteLeaderTaskKey(); }

void WineHostTest::TearDown() { quorhost::DeleteLeaderTaskKey(); }

}  // namespace quortest
