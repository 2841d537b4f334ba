// Registry access with an owned key handle; failures throw std::runtime_error.
#include "registry.h"

#include "handles.h"

#include <stdexcept>
#include <string>

namespace quorhost {
namespace {

void Check(LSTATUS status, const char* what) {
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(std::string("cannot ") + what + " (error " + std::to_string(status) + ")");
    }
}

bool OpenLeaderTaskKey(UniqueRegistryKey& key, REGSAM access) {
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, kLeaderTaskKey, 0, access, key.put());
    if (status == ERROR_FILE_NOT_FOUND) return false;
    Check(status, "open the LeaderTask registry key");
    return true;
}

}  // namespace

void SetLeaderTaskValue(DWORD type, std::span<const std::byte> data) {
    UniqueRegistryKey key;
    Check(RegCreateKeyExW(HKEY_CURRENT_USER, kLeaderTaskKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                          nullptr),
          "create the LeaderTask registry key");
    Check(RegSetValueExW(key.get(), kLeaderTaskValue, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                         static_cast<DWORD>(data.size())),
          "write the LeaderTask registry value");
}

void RegisterLeaderTask(std::wstring_view path) {
    const std::wstring terminated(path);
    SetLeaderTaskValue(REG_SZ, std::as_bytes(std::span(terminated.c_str(), terminated.size() + 1)));
}

void DeleteLeaderTaskValue() {
    UniqueRegistryKey key;
    if (!OpenLeaderTaskKey(key, KEY_SET_VALUE)) return;
    const LSTATUS status = RegDeleteValueW(key.get(), kLeaderTaskValue);
    if (status != ERROR_FILE_NOT_FOUND) Check(status, "delete the LeaderTask registry value");
}

void DeleteLeaderTaskKey() {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, kLeaderTaskKey);
    if (status != ERROR_FILE_NOT_FOUND) Check(status, "delete the LeaderTask registry key");
}

}  // namespace quorhost
