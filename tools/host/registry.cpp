// Registry access with an owned key handle; failures throw std::runtime_error.
#include "registry.h"

#include <stdexcept>
#include <string>

namespace quorhost {
namespace {

// Owns an open registry key and closes it when it goes out of scope.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const { return key_; }
    HKEY* put() { return &key_; }

private:
    HKEY key_ = nullptr;
};

void Check(LSTATUS status, const char* what) {
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(std::string("cannot ") + what + " (error " + std::to_string(status) + ")");
    }
}

bool OpenLeaderTaskKey(RegistryKey& key, REGSAM access) {
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, kLeaderTaskKey, 0, access, key.put());
    if (status == ERROR_FILE_NOT_FOUND) return false;
    Check(status, "open the LeaderTask registry key");
    return true;
}

}  // namespace

void SetLeaderTaskValue(DWORD type, std::span<const std::byte> data) {
    RegistryKey key;
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
    RegistryKey key;
    if (!OpenLeaderTaskKey(key, KEY_SET_VALUE)) return;
    const LSTATUS status = RegDeleteValueW(key.get(), kLeaderTaskValue);
    if (status != ERROR_FILE_NOT_FOUND) Check(status, "delete the LeaderTask registry value");
}

void DeleteLeaderTaskKey() {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, kLeaderTaskKey);
    if (status != ERROR_FILE_NOT_FOUND) Check(status, "delete the LeaderTask registry key");
}

std::optional<std::vector<std::byte>> ReadLeaderTaskValue() {
    RegistryKey key;
    if (!OpenLeaderTaskKey(key, KEY_QUERY_VALUE)) return std::nullopt;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key.get(), kLeaderTaskValue, nullptr, nullptr, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    Check(status, "read the LeaderTask registry value");
    std::vector<std::byte> data(size);
    status = RegQueryValueExW(key.get(), kLeaderTaskValue, nullptr, nullptr,
                              reinterpret_cast<BYTE*>(data.data()), &size);
    Check(status, "read the LeaderTask registry value");
    data.resize(size);
    return data;
}

}  // namespace quorhost
