// A scripted stand-in for the platform layer: the tests set what the registry,
// the shell and the host answer, and read back every call the core made.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/host_services.h"
#include "platform/handles.h"

namespace quor::fake {

struct ShellCall {
    WindowHandle owner;
    std::u16string verb;
    std::u16string file;
    std::optional<std::u16string> parameters;  // nullopt: a null pointer
    std::optional<std::u16string> directory;
    int showCommand;
};

struct MessageCall {
    WindowHandle owner;
    std::u16string text;
    std::u16string caption;
    std::uint32_t style;
};

struct RegistryCall {
    std::u16string key;
    std::u16string valueName;
    std::uint32_t bufferBytes;
};

// Version a fake service reports, or nullopt for a service answering 0.
using Reported = std::optional<ModuleVersionInfo>;

struct World {
    // The registry value as raw bytes; a status other than 0 fails the read.
    std::int32_t registryStatus = 2;  // ERROR_FILE_NOT_FOUND
    std::vector<std::uint8_t> registryData;

    std::intptr_t shellResult = 42;

    // Which services the host exports, and what they answer.
    bool exportsMainWnd = true;
    bool exportsFileVersion = true;
    bool exportsModuleVersion = true;
    WindowHandle mainWindow = reinterpret_cast<WindowHandle>(0x1010);
    std::map<std::u16string, ModuleVersionInfo> fileVersions;
    Reported moduleVersion;
    // Runs inside every file-version query, as a host could run anything then.
    std::function<void()> duringFileVersion;

    // What the core did.
    std::vector<std::string> serviceLookups;
    std::vector<RegistryCall> registryReads;
    std::vector<ShellCall> shellCalls;
    std::vector<MessageCall> messages;
    std::vector<std::u16string> fileVersionQueries;
    std::vector<ModuleHandle> moduleVersionQueries;
    std::vector<ModuleVersionInfo> versionRecordsSeen;  // as handed to the host

    // Above 0 while the fake itself is at work (its recording allocates).
    int atWork = 0;

    // Records LeaderTask's path as LeaderTask does: text with its terminator.
    void SetLTPath(std::u16string_view path);
    // Stores raw value bytes with status 0.
    void SetRegistryBytes(std::vector<std::uint8_t> bytes);
};

// The one world the fake platform answers from; Reset() starts a fresh one.
World& world();
void Reset();

ModuleVersionInfo Version(std::uint32_t major, std::uint32_t minor, std::uint32_t release,
                          std::uint32_t build);

}  // namespace quor::fake
