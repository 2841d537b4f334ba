// The plug-in's own module handle, the one value kept from load to unload.
#pragma once

#include "platform/handles.h"

namespace quor {

// Recorded once by the entry point on process attach.
void RecordModuleHandle(ModuleHandle module);
ModuleHandle OwnModuleHandle();

}  // namespace quor
