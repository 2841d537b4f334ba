// The plug-in's declared calling conventions against the host's, checked when
// the tests are built. On 32-bit Windows a convention is part of a function's
// type: the exports must be what the host calls (__cdecl, as in plugin.h) and
// the plug-in's types for the host's services what the host exports
// (__stdcall, as in services.cpp). At run time the checked calls catch an
// export that breaks its convention, but a service called with the wrong one
// corrupts the plug-in's own frames instead, which may crash a later call or
// go unnoticed; this catches it at once. On x86-64 every check holds.
#include <cstdint>
#include <type_traits>

#include "host/host_services.h"
#include "plugin/exports.h"

namespace {

// The host's conventions, with the plug-in's parameter types.
using CdeclAnswer = std::int32_t(__cdecl*)();
using CdeclPluginInfo = std::int32_t(__cdecl*)(quor::PluginInfo*);
using CdeclMenu = std::int32_t(__cdecl*)(std::int32_t, quor::MenuItemInfo*);
using CdeclCall = std::int32_t(__cdecl*)(quor::ProcCallInfo*);
using StdcallMainWnd = quor::WindowHandle(__stdcall*)();
using StdcallFileVersion = std::int32_t(__stdcall*)(const char16_t*, quor::ModuleVersionInfo*);
using StdcallModuleVersion = std::int32_t(__stdcall*)(quor::ModuleHandle, quor::ModuleVersionInfo*);

static_assert(std::is_same_v<decltype(&Quor_IsSupportsPluginUnicode), CdeclAnswer>,
              "Quor_IsSupportsPluginUnicode must be __cdecl, as the host calls it");
static_assert(std::is_same_v<decltype(&Quor_GetPluginInfo), CdeclPluginInfo>,
              "Quor_GetPluginInfo must be __cdecl, as the host calls it");
static_assert(std::is_same_v<decltype(&Quor_GetMenuItemInfo), CdeclMenu>,
              "Quor_GetMenuItemInfo must be __cdecl, as the host calls it");
static_assert(std::is_same_v<decltype(&InitText2LTProc), CdeclCall>,
              "InitText2LTProc must be __cdecl, as the host calls it");
static_assert(std::is_same_v<decltype(&Text2LTProc), CdeclCall>,
              "Text2LTProc must be __cdecl, as the host calls it");
static_assert(std::is_same_v<decltype(&StartLTProc), CdeclAnswer>,
              "StartLTProc must be __cdecl, as the host calls it");
static_assert(std::is_same_v<quor::HostMainWndFn, StdcallMainWnd>,
              "HST_GetMainWnd must be called __stdcall, as the host exports it");
static_assert(std::is_same_v<quor::HostFileVersionFn, StdcallFileVersion>,
              "HST_GetModuleVersionInfo must be called __stdcall, as the host exports it");
static_assert(std::is_same_v<quor::HostModuleVersionFn, StdcallModuleVersion>,
              "HST_GetModuleVersionInfoEx must be called __stdcall, as the host exports it");

}  // namespace
