// The three services the host executable exports for the plug-in, found by the
// plug-in with GetProcAddress on the host's module. Built into quorhost.exe and
// the integration tests, left out of quorhost-bare.exe.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <type_traits>

#include "host/host_services.h"
#include "host_windows.h"
#include "version_info.h"

namespace {

std::int32_t Fill(const std::optional<quorhost::FileVersion>& version, quor::ModuleVersionInfo* info) {
    if (!version || info == nullptr) return 0;
    info->major = version->major;
    info->minor = version->minor;
    info->release = version->release;
    info->build = version->build;
    return 1;
}

}  // namespace

extern "C" {

// The host's main window, owner of the plug-in's messages.
__declspec(dllexport) quor::WindowHandle HST_GetMainWnd() { return quorhost::TheHostWindows().main.get(); }

// Version of the executable file at path; nonzero on success.
__declspec(dllexport) std::int32_t
    HST_GetModuleVersionInfo(const wchar_t* path, quor::ModuleVersionInfo* info) {
    return Fill(quorhost::ReadFileVersion(path), info);
}

// Version of a loaded module; nonzero on success.
__declspec(dllexport) std::int32_t HST_GetModuleVersionInfoEx(HMODULE module, quor::ModuleVersionInfo* info) {
    return Fill(quorhost::ReadModuleVersion(module), info);
}

}  // extern "C"

static_assert(std::is_same_v<decltype(&HST_GetMainWnd), quor::HostMainWndFn>);
