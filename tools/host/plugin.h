// Loading the plug-in DLL and finding its exports, by name, with their types.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/exports.h"

namespace quorhost {

using GetPluginInfoFn = decltype(&Quor_GetPluginInfo);
using AnswerFn = decltype(&Quor_IsSupportsPluginUnicode);  // also AboutProc
using GetMenuItemInfoFn = decltype(&Quor_GetMenuItemInfo);
using CallProcFn = decltype(&Text2LTProc);  // also InitText2LTProc
using BareProcFn = decltype(&StartLTProc);

// Owns a loaded DLL and frees it when it goes out of scope.
class Plugin {
public:
    // Loads the DLL at path; throws std::runtime_error when Windows refuses.
    explicit Plugin(const std::wstring& path);
    ~Plugin() { FreeLibrary(module_); }
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    // The export called name as an Fn; throws std::runtime_error when the
    // DLL has none.
    template <typename Fn>
    Fn Find(const char* name) const {
        return reinterpret_cast<Fn>(FindAddress(name));
    }

private:
    using Address = void (*)();
    Address FindAddress(const char* name) const;

    HMODULE module_;
};

}  // namespace quorhost
