// How the C++ runtime's error paths end inside the DLL.
//
// The standard strings report an impossible length or position through these
// runtime hooks. Inside the plug-in every such failure means one thing: the
// command cannot be carried out, and the export's barrier turns the exception
// into its failure value. Throwing plain exceptions here, instead of the
// runtime's message-carrying ones, keeps the runtime's exception classes and
// their string machinery out of the statically linked DLL.
#include <exception>
#include <new>

namespace {

struct StringFailure : std::exception {};

}  // namespace

namespace std {

[[noreturn]] void __throw_bad_alloc() { throw std::bad_alloc(); }
[[noreturn]] void __throw_bad_array_new_length() { throw std::bad_alloc(); }
[[noreturn]] void __throw_length_error(const char*) { throw StringFailure(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { throw StringFailure(); }

}  // namespace std
