// LeaderTask's path from the registry and the version gate.
#include "leadertask/locator.h"

#include <algorithm>
#include <string_view>
#include <tuple>

#include "platform/platform.h"

namespace quor {

LTPath GetLTPath() {
    char16_t buffer[kMaxLTPath + 1];
    const platform::RegistryRead read = platform::ReadUserRegistryValue(
        u"Software\\Almeza\\LeaderTask", u"LastStart", buffer, static_cast<std::uint32_t>(sizeof(buffer)));
    LTPath path;
    if (read.status != 0) return path;
    // Only the units the query wrote count, up to the first null among them;
    // an odd last byte is dropped. A value that fills the whole buffer without
    // a terminator is as long as one the registry refuses for want of room.
    const std::u16string_view written(buffer, std::min<std::size_t>(read.bytes / 2, kMaxLTPath + 1));
    path.Append(written.substr(0, written.find(u'\0')));
    if (path.overflowed()) path.Truncate(0);
    return path;
}

bool IsVersionAtLeast(const ModuleVersionInfo& version, const ModuleVersionInfo& minimum) {
    return std::tie(version.major, version.minor, version.release, version.build) >=
           std::tie(minimum.major, minimum.minor, minimum.release, minimum.build);
}

bool CheckLTVersion(ModuleVersionInfo* outVersion, LTPath* outPath) {
    const LTPath path = GetLTPath();
    if (outPath != nullptr) *outPath = path;
    if (path.empty()) return false;
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
