// Owners of the Windows handles the host program, the stand-in LeaderTask and
// the integration tests hold, all of one kind: quor::unique_any.
#pragma once

#include <windows.h>

#include "platform/unique_any.h"

namespace quorhost {

// A handle kind whose empty value is null, released by Close.
template <typename Handle, auto Close>
struct NullableHandleTraits {
    using pointer = Handle;
    static pointer invalid_value() noexcept { return nullptr; }
    static void close(pointer handle) noexcept { Close(handle); }
};

// A file handle, whose empty value is INVALID_HANDLE_VALUE.
struct FileTraits {
    using pointer = HANDLE;
    static pointer invalid_value() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(pointer handle) noexcept { CloseHandle(handle); }
};

using UniqueRegistryKey = quor::unique_any<NullableHandleTraits<HKEY, &RegCloseKey>>;
using UniqueHandle = quor::unique_any<NullableHandleTraits<HANDLE, &CloseHandle>>;
using UniqueFile = quor::unique_any<FileTraits>;
using UniqueLocalMemory = quor::unique_any<NullableHandleTraits<HLOCAL, &LocalFree>>;
using UniqueWindow = quor::unique_any<NullableHandleTraits<HWND, &DestroyWindow>>;
using UniqueModule = quor::unique_any<NullableHandleTraits<HMODULE, &FreeLibrary>>;

}  // namespace quorhost
