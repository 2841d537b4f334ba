// The host's service functions, found by name in the host executable, and the
// version record they fill.
//
// Each call looks its service up anew; nothing is cached. A host that does not
// export a service is no error: the wrapper answers null or 0.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/handles.h"

namespace quor {

// Version of a file or module, filled by the host's version services: 20
// bytes, five unsigned 32-bit fields.
struct ModuleVersionInfo {
    std::uint32_t size;  // set to 20 by the caller
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t release;
    std::uint32_t build;
};

static_assert(sizeof(ModuleVersionInfo) == 20);
static_assert(offsetof(ModuleVersionInfo, major) == 4);
static_assert(offsetof(ModuleVersionInfo, minor) == 8);
static_assert(offsetof(ModuleVersionInfo, release) == 12);
static_assert(offsetof(ModuleVersionInfo, build) == 16);

// A version record ready to be handed to the host: size 20, components 0.
inline ModuleVersionInfo BlankVersionInfo() {
    return ModuleVersionInfo{sizeof(ModuleVersionInfo), 0, 0, 0, 0};
}

// Calling convention of the host's services (callee cleans the stack).
#if defined(_WIN32) && !defined(_WIN64)
#define QUOR_HOST_CALL __stdcall
#else
#define QUOR_HOST_CALL
#endif

using HostMainWndFn = WindowHandle(QUOR_HOST_CALL*)();
using HostFileVersionFn = std::int32_t(QUOR_HOST_CALL*)(const char16_t* path, ModuleVersionInfo* info);
using HostModuleVersionFn = std::int32_t(QUOR_HOST_CALL*)(ModuleHandle module, ModuleVersionInfo* info);

// The host's main window (HST_GetMainWnd), or null without the service.
WindowHandle GetHostMainWnd();

// Version of an executable file (HST_GetModuleVersionInfo); 0 without the
// service, on a null record, or when the host cannot tell.
std::int32_t QueryFileVersion(const char16_t* path, ModuleVersionInfo* info);

// Version of a loaded module (HST_GetModuleVersionInfoEx); 0 without the
// service or when the host cannot tell.
std::int32_t QueryModuleVersion(ModuleHandle module, ModuleVersionInfo* info);

}  // namespace quor
