// Calling an export of the plug-in with its calling convention checked.
//
// On 32-bit Windows the host calls every export with the caller-cleans
// convention (__cdecl): the callee must leave the stack pointer where the call
// found it and keep EBX, ESI, EDI and EBP. CheckedCall calls through a small
// i686 thunk that pushes the arguments itself, loads marker values into the
// four registers, calls, and compares all five afterwards; it restores them
// from its own copies, so a broken export cannot take the host down with it.
// A difference is reported on standard error and thrown. A crash inside an
// export is reported, with the export's name, by an unhandled-exception
// filter. On x86-64 there is one convention, and the call is a plain one.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <type_traits>

namespace quorhost {

// Calls fn, the export called name, with its 32-bit arguments (at most 2).
std::int32_t CallCdecl32(const char* name, void (*fn)(), std::span<const std::uint32_t> words);

// An argument as the 32-bit word the caller pushes.
template <typename T>
std::uint32_t Word(T value) {
    if constexpr (std::is_pointer_v<T>) {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(value));
    } else {
        return static_cast<std::uint32_t>(value);
    }
}

template <typename... Args>
std::int32_t CheckedCall(const char* name, std::int32_t (*fn)(Args...), Args... args) {
#if defined(__i386__)
    static_assert(((sizeof(Args) == sizeof(std::uint32_t)) && ...), "32-bit arguments only");
    const std::array<std::uint32_t, sizeof...(Args)> words{Word(args)...};
    return CallCdecl32(name, reinterpret_cast<void (*)()>(fn), words);
#else
    static_cast<void>(name);
    return fn(args...);
#endif
}

}  // namespace quorhost
