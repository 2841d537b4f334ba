// The host's three services as the host declares them: exported by the host
// executable under plain names, with the callee-cleans convention (__stdcall)
// and 32-bit arguments in the 32-bit build.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quorhost {

using MainWndService = HWND(__stdcall*)();  // HST_GetMainWnd
using FileVersionService = std::int32_t(__stdcall*)(const wchar_t* path,
                                                    void* info);  // HST_GetModuleVersionInfo
using ModuleVersionService = std::int32_t(__stdcall*)(HMODULE module,
                                                      void* info);  // HST_GetModuleVersionInfoEx

}  // namespace quorhost
