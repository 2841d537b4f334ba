// The C++ runtime's last resort inside the host process.
//
// No exception leaves an export, so terminate is never expected; should it
// happen, it ends quietly instead of printing a demangled diagnostic. Taking
// the place of the runtime's verbose handler also keeps its demangler, and a
// good part of the DLL's size, out of the link.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
