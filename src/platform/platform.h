// The operating-system calls the plug-in makes, behind one link-time seam.
//
// win32.cpp implements these with the Windows API; the unit tests, fuzzers and
// benchmarks link a fake that records every call and answers from a script.
// Text is UTF-16 in char16_t; on Windows it is passed to the W functions as is.
// None of these calls allocates on the plug-in's behalf or throws.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/handles.h"

namespace quor::platform {

// An exported function of the host executable, to be cast to its real type.
using HostService = void (*)();

// Looks up an export of the process's main executable by name; null when the
// executable has no module handle or does not export the name.
HostService FindHostService(const char* name);

// Outcome of reading one registry value: the Win32 status and the number of
// bytes the query reported it wrote into the buffer.
struct RegistryRead {
    std::int32_t status;
    std::uint32_t bytes;
};

// Reads a value under HKEY_CURRENT_USER\key into buffer, telling the registry
// it holds bufferBytes bytes. The key is opened for querying only and closed
// before the call returns.
RegistryRead ReadUserRegistryValue(const char16_t* key, const char16_t* valueName, void* buffer,
                                   std::uint32_t bufferBytes);

// ShellExecuteW: the returned instance value, as a pointer-sized integer.
std::intptr_t ShellExecuteText(WindowHandle owner, const char16_t* verb, const char16_t* file,
                               const char16_t* parameters, const char16_t* directory, int showCommand);

// MessageBoxW; the answer is the button the user pressed.
int ShowMessageBox(WindowHandle owner, const char16_t* text, const char16_t* caption, std::uint32_t style);

// CharUpperW applied to a one-unit string.
char16_t UpperUnit(char16_t unit);

// How many code units CharNextW steps over at `at`, a position in a
// null-terminated text: a character and the combining marks it joins to it;
// 0 at the terminator.
std::size_t CharLength(const char16_t* at);

}  // namespace quor::platform
