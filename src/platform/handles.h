// The Windows handles the plug-in passes between the host, the shell and the
// system, as opaque pointers so that the portable core needs no windows.h.
#pragma once

namespace quor {

using WindowHandle = void*;
using ModuleHandle = void*;

}  // namespace quor
