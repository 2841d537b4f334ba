// LeaderTask as the plug-in finds it. The host program links the plug-in's
// own locator and version gate, so that what it reports about LeaderTask (the
// path, the version and whether the hidden mode works) cannot disagree with
// the plug-in; this file is the one place that calls them.
#pragma once

#include <string>

#include "version_info.h"

namespace quorhost {

struct LeaderTaskView {
    std::wstring path;         // empty when LeaderTask cannot be found
    FileVersion version;       // 0.0.0.0 when the host's version service cannot tell
    bool hiddenModeAvailable;  // the version gate's answer
};

LeaderTaskView FindLeaderTask();

// The oldest LeaderTask the hidden mode works with.
FileVersion MinimumHiddenModeVersion();

}  // namespace quorhost
