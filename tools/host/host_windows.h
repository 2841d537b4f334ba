// The host's top-level windows: the main window its services hand out to the
// plug-in, and a second window standing for any other window of the host.
#pragma once

#include <windows.h>

#include "handles.h"

namespace quorhost {

struct HostWindows {
    UniqueWindow main;
    UniqueWindow other;
};

// Created, hidden, by the first call, which the host makes at start; the
// windows live until the program exits.
const HostWindows& TheHostWindows();

}  // namespace quorhost
