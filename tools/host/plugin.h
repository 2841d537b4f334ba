// Loading the plug-in DLL and calling its exports as the host does: found by
// name and called with the caller-cleans convention (__cdecl), every call
// checked for the convention (checked_call.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "handles.h"
#include "host_records.h"

namespace quorhost {

// The exports as the host declares them.
using AnswerExport = std::int32_t(__cdecl*)();                              // Quor_IsSupportsPluginUnicode,
                                                                            // AboutProc, StartLTProc
using RecordExport = std::int32_t(__cdecl*)(void* record);                  // Quor_GetPluginInfo,
                                                                            // InitText2LTProc, Text2LTProc
using MenuExport = std::int32_t(__cdecl*)(std::int32_t index, void* item);  // Quor_GetMenuItemInfo

// A loaded plug-in; the DLL is freed when it goes out of scope.
class Plugin {
public:
    // Loads the DLL at path; throws std::runtime_error when Windows refuses.
    explicit Plugin(const std::wstring& path);

    HMODULE module() const { return module_.get(); }

    // "PE32, i386" or "PE32+, x86-64": the loaded module's own PE header.
    std::string Format() const;

    // Call the export called name; each throws std::runtime_error when the
    // DLL has no such export or the call breaks the calling convention.
    std::int32_t CallAnswer(const char* name) const;
    std::int32_t CallWithRecord(const char* name, Record& record) const;
    std::int32_t CallMenu(std::int32_t index, Record& item) const;

private:
    using Address = void (*)();
    Address Find(const char* name) const;

    UniqueModule module_;
};

}  // namespace quorhost
