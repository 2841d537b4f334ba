// Reading a file's version from its version resource, as the host's version
// services report it: the four components of the fixed file information.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace quorhost {

struct FileVersion {
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t release;
    std::uint32_t build;

    bool operator==(const FileVersion&) const = default;
};

// major = HIWORD(dwFileVersionMS), minor = LOWORD(MS), release = HIWORD(LS),
// build = LOWORD(LS); nothing for a missing file or one without a version resource.
std::optional<FileVersion> ReadFileVersion(const wchar_t* path);

// The version of the file a loaded module was loaded from.
std::optional<FileVersion> ReadModuleVersion(HMODULE module);

// "6.9.5.2"
std::string ToText(const FileVersion& version);

}  // namespace quorhost
