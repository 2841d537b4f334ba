// Finding LeaderTask's executable and telling whether it is new enough for
// the hidden mode. Nothing is cached: every call reads the registry and asks
// the host anew.
#pragma once

#include <cstddef>

#include "host/host_services.h"
#include "platform/fixed_text.h"

namespace quor {

// The registry is told 1024 bytes: a path of 511 units and its terminator.
inline constexpr std::size_t kMaxLTPath = 511;
using LTPath = FixedText<kMaxLTPath>;

// Oldest LeaderTask that takes a task without showing itself.
inline constexpr ModuleVersionInfo MIN_LT_VERSION{sizeof(ModuleVersionInfo), 6, 9, 5, 2};

// LeaderTask's executable path as LeaderTask recorded it at its last start, or
// the empty text when it cannot be read.
LTPath GetLTPath();

// True when version is at least minimum, comparing the four components as
// unsigned numbers from major down.
bool IsVersionAtLeast(const ModuleVersionInfo& version, const ModuleVersionInfo& minimum);

// True when LeaderTask is found and reported as MIN_LT_VERSION or later.
// outPath, when given, always receives the path found (empty when none);
// outVersion, when given, receives the four components only once the host
// has reported them.
bool CheckLTVersion(ModuleVersionInfo* outVersion, LTPath* outPath);

}  // namespace quor
