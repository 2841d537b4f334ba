// LeaderTask's path from the registry and the version gate.
#include "leadertask/locator.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "host/host_services.h"
#include "platform/platform.h"

namespace quor {

std::u16string GetLTPath() {
    // The registry is told 1024 bytes: a path of 511 units and its terminator.
    std::array<char16_t, 512> buffer{};
    const platform::RegistryRead read =
        platform::ReadUserRegistryValue(u"Software\\Almeza\\LeaderTask", u"LastStart", buffer.data(),
                                        static_cast<std::uint32_t>(sizeof(buffer)));
    if (read.status != 0) return {};
    // Only the units the query wrote count; a value stored without its
    // terminator ends with its last whole unit, and an odd last byte is dropped.
    const auto written = buffer.begin() + std::min<std::size_t>(read.bytes / 2, buffer.size());
    return std::u16string(buffer.begin(), std::find(buffer.begin(), written, u'\0'));
}

bool IsVersionAtLeast(const ModuleVersionInfo& version, const ModuleVersionInfo& minimum) {
    return std::tie(version.major, version.minor, version.release, version.build) >=
           std::tie(minimum.major, minimum.minor, minimum.release, minimum.build);
}

bool CheckLTVersion(ModuleVersionInfo* outVersion, std::u16string* outPath) {
    std::u16string path = GetLTPath();
    const bool found = !path.empty();
    if (outPath != nullptr) *outPath = path;
    if (!found) return false;
    ModuleVersionInfo version = BlankVersionInfo();
    if (QueryFileVersion(path.c_str(), &version) == 0) return false;
    if (outVersion != nullptr) {
        outVersion->major = version.major;
        outVersion->minor = version.minor;
        outVersion->release = version.release;
        outVersion->build = version.build;
    }
    return IsVersionAtLeast(version, MIN_LT_VERSION);
}

}  // namespace quor
