// The fake platform: answers from fake::world() and records every call.
#include "support/fake_platform.h"

#include <algorithm>
#include <cstring>

#include "host/host_services.h"
#include "platform/platform.h"
#include "platform/unicode_standin.h"

namespace quor::fake {
namespace {

// Marks the fake's own work, whose recording allocates, for the count of the
// plug-in's allocations.
struct AtWork {
    AtWork() { ++world().atWork; }
    ~AtWork() { --world().atWork; }
    AtWork(const AtWork&) = delete;
    AtWork& operator=(const AtWork&) = delete;
};

std::optional<std::u16string> Text(const char16_t* text) {
    if (text == nullptr) return std::nullopt;
    return std::u16string(text);
}

WindowHandle QUOR_HOST_CALL MainWnd() { return world().mainWindow; }

std::int32_t Fill(const Reported& reported, ModuleVersionInfo* info) {
    world().versionRecordsSeen.push_back(*info);
    if (!reported) return 0;
    info->major = reported->major;
    info->minor = reported->minor;
    info->release = reported->release;
    info->build = reported->build;
    return 1;
}

std::int32_t QUOR_HOST_CALL FileVersion(const char16_t* path, ModuleVersionInfo* info) {
    const AtWork atWork;
    if (world().duringFileVersion) world().duringFileVersion();
    world().fileVersionQueries.emplace_back(path);
    const auto found = world().fileVersions.find(path);
    return Fill(found != world().fileVersions.end() ? Reported(found->second) : std::nullopt, info);
}

std::int32_t QUOR_HOST_CALL ModuleVersion(ModuleHandle module, ModuleVersionInfo* info) {
    const AtWork atWork;
    world().moduleVersionQueries.push_back(module);
    return Fill(world().moduleVersion, info);
}

}  // namespace

World& world() {
    static World current;
    return current;
}

void Reset() { world() = World{}; }

void World::SetLTPath(std::u16string_view path) {
    std::u16string terminated(path);
    terminated.push_back(u'\0');
    std::vector<std::uint8_t> bytes(terminated.size() * sizeof(char16_t));
    std::memcpy(bytes.data(), terminated.data(), bytes.size());
    SetRegistryBytes(std::move(bytes));
}

void World::SetRegistryBytes(std::vector<std::uint8_t> bytes) {
    registryStatus = 0;
    registryData = std::move(bytes);
}

ModuleVersionInfo Version(std::uint32_t major, std::uint32_t minor, std::uint32_t release,
                          std::uint32_t build) {
    return ModuleVersionInfo{sizeof(ModuleVersionInfo), major, minor, release, build};
}

}  // namespace quor::fake

namespace quor::platform {

using fake::world;

HostService FindHostService(const char* name) {
    const fake::AtWork atWork;
    world().serviceLookups.emplace_back(name);
    const std::string_view wanted(name);
    if (wanted == "HST_GetMainWnd" && world().exportsMainWnd)
        return reinterpret_cast<HostService>(&fake::MainWnd);
    if (wanted == "HST_GetModuleVersionInfo" && world().exportsFileVersion)
        return reinterpret_cast<HostService>(&fake::FileVersion);
    if (wanted == "HST_GetModuleVersionInfoEx" && world().exportsModuleVersion)
        return reinterpret_cast<HostService>(&fake::ModuleVersion);
    return nullptr;
}

// Behaves as RegQueryValueExW: a value larger than the buffer reports
// ERROR_MORE_DATA, and only the value's own bytes are written.
RegistryRead ReadUserRegistryValue(const char16_t* key, const char16_t* valueName, void* buffer,
                                   std::uint32_t bufferBytes) {
    const fake::AtWork atWork;
    world().registryReads.push_back({key, valueName, bufferBytes});
    if (world().registryStatus != 0) return {world().registryStatus, 0};
    const auto& data = world().registryData;
    if (data.size() > bufferBytes) return {234, 0};
    std::copy(data.begin(), data.end(), static_cast<std::uint8_t*>(buffer));
    return {0, static_cast<std::uint32_t>(data.size())};
}

std::intptr_t ShellExecuteText(WindowHandle owner, const char16_t* verb, const char16_t* file,
                               const char16_t* parameters, const char16_t* directory, int showCommand) {
    const fake::AtWork atWork;
    world().shellCalls.push_back(
        {owner, verb, file, fake::Text(parameters), fake::Text(directory), showCommand});
    return world().shellResult;
}

int ShowMessageBox(WindowHandle owner, const char16_t* text, const char16_t* caption, std::uint32_t style) {
    const fake::AtWork atWork;
    world().messages.push_back({owner, text, caption, style});
    return 1;
}

char16_t UpperUnit(char16_t unit) { return unicode::UpperUnit(unit); }

std::size_t CharLength(const char16_t* at) { return unicode::CharLength(at); }

}  // namespace quor::platform
