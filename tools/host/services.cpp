// The three services the host executable exports for the plug-in, found by the
// plug-in with GetProcAddress on the host's module. As the real host's, they
// use the callee-cleans convention (__stdcall) and are exported under their
// plain names (the link strips the @n decoration: -Wl,--kill-at). Built into
// quorhost.exe and the integration tests, left out of quorhost-bare.exe.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <optional>

#include "host_records.h"
#include "host_windows.h"
#include "version_info.h"

namespace {

void Store(void* record, quorhost::Field field, std::uint32_t value) {
    std::memcpy(static_cast<std::byte*>(record) + field.offset, &value, sizeof(value));
}

// Fills a version record the caller prepared with size 20; 0 for any other
// record, or when there is no version to report.
std::int32_t Fill(const std::optional<quorhost::FileVersion>& version, void* info) {
    namespace layout = quorhost::version_info;
    if (!version || info == nullptr) return 0;
    std::uint32_t size = 0;
    std::memcpy(&size, static_cast<const std::byte*>(info) + layout::size.offset, sizeof(size));
    if (size != layout::kLength) return 0;
    Store(info, layout::major, version->major);
    Store(info, layout::minor, version->minor);
    Store(info, layout::release, version->release);
    Store(info, layout::build, version->build);
    return 1;
}

}  // namespace

extern "C" {

// The host's main window, owner of the plug-in's messages.
__declspec(dllexport) HWND __stdcall HST_GetMainWnd() { return quorhost::TheHostWindows().main.get(); }

// Version of the executable file at path into a ModuleVersionInfo; nonzero on success.
__declspec(dllexport) std::int32_t __stdcall HST_GetModuleVersionInfo(const wchar_t* path, void* info) {
    return Fill(quorhost::ReadFileVersion(path), info);
}

// Version of a loaded module into a ModuleVersionInfo; nonzero on success.
__declspec(dllexport) std::int32_t __stdcall HST_GetModuleVersionInfoEx(HMODULE module, void* info) {
    return Fill(quorhost::ReadModuleVersion(module), info);
}

}  // extern "C"
