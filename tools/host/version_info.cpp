// Version resources read through the version library.
#include "version_info.h"

#include <cstddef>
#include <vector>

namespace quorhost {

std::optional<FileVersion> ReadFileVersion(const wchar_t* path) {
    if (path == nullptr) return std::nullopt;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) return std::nullopt;
    std::vector<std::byte> block(size);
    if (!GetFileVersionInfoW(path, 0, size, block.data())) return std::nullopt;
    void* found = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", &found, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(found);
    return FileVersion{fixed->dwFileVersionMS >> 16, fixed->dwFileVersionMS & 0xFFFF,
                       fixed->dwFileVersionLS >> 16, fixed->dwFileVersionLS & 0xFFFF};
}

std::optional<FileVersion> ReadModuleVersion(HMODULE module) {
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return std::nullopt;
    return ReadFileVersion(path.data());
}

std::string ToText(const FileVersion& version) {
    return std::to_string(version.major) + '.' + std::to_string(version.minor) + '.' +
           std::to_string(version.release) + '.' + std::to_string(version.build);
}

}  // namespace quorhost
