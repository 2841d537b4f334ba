// The registry value where LeaderTask records its path at every start,
// HKCU\Software\Almeza\LeaderTask "LastStart", written and removed for
// the demo and the tests.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quorhost {

inline constexpr wchar_t kLeaderTaskKey[] = L"Software\\Almeza\\LeaderTask";
inline constexpr wchar_t kLeaderTaskValue[] = L"LastStart";

// Stores path as REG_SZ with its terminator, creating the key when needed.
void RegisterLeaderTask(std::wstring_view path);

// Stores data as given, of any registry type.
void SetLeaderTaskValue(DWORD type, std::span<const std::byte> data);

// Removes the value and keeps the key; nothing to do when there is no value.
void DeleteLeaderTaskValue();

// Removes the key with everything in it; nothing to do when there is no key.
void DeleteLeaderTaskKey();

}  // namespace quorhost
