// The host's plug-in records, laid out exactly as the host declares them.
//
// The host owns every record and passes a pointer to it; the plug-in writes only
// the fields named here and leaves every other byte as the host put it. The
// 32-bit layout is the host's contract; the same declarations give the natural
// x86-64 layout of the 64-bit test build.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/handles.h"

namespace quor {

// Identity of the plug-in, filled by Quor_GetPluginInfo.
struct PluginInfo {
    std::uint32_t size;  // declared by the host, read only
    std::int32_t infoCode;
    char16_t displayName[524];
    std::uint32_t flags;
};

// One menu entry, filled by Quor_GetMenuItemInfo. The host's record goes on past
// initProcName; the longest name written there ends the part the plug-in touches.
struct MenuItemInfo {
    std::uint8_t hostHeader[4];
    char16_t caption[260];
    char16_t hint[520];
    char procName[260];
    std::int32_t itemCode;
    std::int32_t itemParam;
    std::uint8_t hostGap1[16];
    std::int32_t unavailable;
    std::uint8_t hostGap2[4];
    std::uint32_t flags;
    char initProcName[16];
};

// One command call: the host fills text, itemParam and ownerWnd; the init
// procedure fills initCode and initFlag.
struct ProcCallInfo {
    std::uint32_t hostField0;
    const char16_t* text;
    std::uint32_t hostField1;
    std::int32_t initCode;
    std::uint8_t hostField2[8];
    std::int32_t initFlag;
    std::int32_t itemParam;
    WindowHandle ownerWnd;
};

// The bit the plug-in sets in PluginInfo::flags and MenuItemInfo::flags.
inline constexpr std::uint32_t kPluginFlag = 2;

// The shortest PluginInfo that holds every field the plug-in writes.
inline constexpr std::uint32_t kPluginInfoFilledSize = 1060;

static_assert(offsetof(PluginInfo, size) == 0);
static_assert(offsetof(PluginInfo, infoCode) == 4);
static_assert(offsetof(PluginInfo, displayName) == 8);
static_assert(offsetof(PluginInfo, flags) == 1056);
static_assert(sizeof(PluginInfo) == kPluginInfoFilledSize);

static_assert(offsetof(MenuItemInfo, caption) == 4);
static_assert(offsetof(MenuItemInfo, hint) == 524);
static_assert(offsetof(MenuItemInfo, procName) == 1564);
static_assert(offsetof(MenuItemInfo, itemCode) == 1824);
static_assert(offsetof(MenuItemInfo, itemParam) == 1828);
static_assert(offsetof(MenuItemInfo, unavailable) == 1848);
static_assert(offsetof(MenuItemInfo, flags) == 1856);
static_assert(offsetof(MenuItemInfo, initProcName) == 1860);
static_assert(sizeof(MenuItemInfo) == 1876);

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(offsetof(ProcCallInfo, text) == 4);
static_assert(offsetof(ProcCallInfo, hostField1) == 8);
static_assert(offsetof(ProcCallInfo, initCode) == 12);
static_assert(offsetof(ProcCallInfo, hostField2) == 16);
static_assert(offsetof(ProcCallInfo, initFlag) == 24);
static_assert(offsetof(ProcCallInfo, itemParam) == 28);
static_assert(offsetof(ProcCallInfo, ownerWnd) == 32);
static_assert(sizeof(ProcCallInfo) == 36);
#else
static_assert(offsetof(ProcCallInfo, text) == 8);
static_assert(offsetof(ProcCallInfo, hostField1) == 16);
static_assert(offsetof(ProcCallInfo, initCode) == 20);
static_assert(offsetof(ProcCallInfo, hostField2) == 24);
static_assert(offsetof(ProcCallInfo, initFlag) == 32);
static_assert(offsetof(ProcCallInfo, itemParam) == 36);
static_assert(offsetof(ProcCallInfo, ownerWnd) == 40);
static_assert(sizeof(ProcCallInfo) == 48);
#endif

}  // namespace quor
