// The platform calls, made with the Windows API.
#include "platform/platform.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

#include "platform/unique_any.h"

namespace quor::platform {
namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// An open registry key, closed when its owner goes.
struct RegistryKeyTraits {
    using pointer = HKEY;
    static pointer invalid_value() noexcept { return nullptr; }
    static void close(pointer key) noexcept { RegCloseKey(key); }
};
using unique_hkey = unique_any<RegistryKeyTraits>;

}  // namespace

HostService FindHostService(const char* name) {
    HMODULE host = GetModuleHandleW(nullptr);
    if (host == nullptr) return nullptr;
    return reinterpret_cast<HostService>(GetProcAddress(host, name));
}

RegistryRead ReadUserRegistryValue(const char16_t* key, const char16_t* valueName, void* buffer,
                                   std::uint32_t bufferBytes) {
    unique_hkey opened;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(key), 0, KEY_QUERY_VALUE, opened.put());
    if (status != ERROR_SUCCESS) return {status, 0};
    DWORD type = 0;
    DWORD bytes = bufferBytes;
    status =
        RegQueryValueExW(opened.get(), Wide(valueName), nullptr, &type, static_cast<BYTE*>(buffer), &bytes);
    opened.reset();
    if (status != ERROR_SUCCESS) return {status, 0};
    return {status, std::min<DWORD>(bytes, bufferBytes)};
}

std::intptr_t ShellExecuteText(WindowHandle owner, const char16_t* verb, const char16_t* file,
                               const char16_t* parameters, const char16_t* directory, int showCommand) {
    HINSTANCE result = ShellExecuteW(static_cast<HWND>(owner), Wide(verb), Wide(file), Wide(parameters),
                                     Wide(directory), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

int ShowMessageBox(WindowHandle owner, const char16_t* text, const char16_t* caption, std::uint32_t style) {
    return MessageBoxW(static_cast<HWND>(owner), Wide(text), Wide(caption), style);
}

char16_t UpperUnit(char16_t unit) {
    wchar_t one[2] = {static_cast<wchar_t>(unit), L'\0'};
    CharUpperW(one);
    return static_cast<char16_t>(one[0]);
}

std::size_t CharLength(const char16_t* at) {
    const wchar_t* unit = Wide(at);
    return static_cast<std::size_t>(CharNextW(unit) - unit);
}

}  // namespace quor::platform
