// The plug-in's locator and gate, called as the plug-in calls them.
#include "leadertask_view.h"

#include "leadertask/locator.h"
#include "text.h"

namespace quorhost {
namespace {

FileVersion ToFileVersion(const quor::ModuleVersionInfo& version) {
    return {version.major, version.minor, version.release, version.build};
}

}  // namespace

LeaderTaskView FindLeaderTask() {
    quor::ModuleVersionInfo version = quor::BlankVersionInfo();
    quor::LTPath path;
    const bool available = quor::CheckLTVersion(&version, &path);
    return {ToWide(path.view()), ToFileVersion(version), available};
}

FileVersion MinimumHiddenModeVersion() { return ToFileVersion(quor::MIN_LT_VERSION); }

}  // namespace quorhost
