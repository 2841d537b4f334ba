// The i686 thunk behind CheckedCall and the reports of what it finds.
#include "checked_call.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <string>

#include "text.h"

#if defined(__i386__)

namespace {

constexpr const char* kRegisterNames[4] = {"EBX", "ESI", "EDI", "EBP"};
constexpr std::uint32_t kMarkers[4] = {0xB0B0B0B1, 0x51515152, 0xD1D1D1D3, 0xEBEBEBE4};
constexpr std::uint32_t kDirectionFlag = 0x400;

// The export whose call is under way, for the crash report.
const char* exportInCall = nullptr;

}  // namespace

extern "C" {

// The thunk's record of one call; one call at a time, as the host makes them.
struct QuorhostCallState {
    std::uint32_t hostFrame;  // the thunk's own EBP, to come back to
    std::uint32_t espBefore;  // ESP at the call, the arguments pushed
    std::uint32_t espAfter;
    std::uint32_t eflags;
    std::uint32_t seen[4];     // EBX, ESI, EDI and EBP after the call
    std::uint32_t markers[4];  // loaded into EBX, ESI, EDI and EBP before it
};

QuorhostCallState quorhost_call_state;
std::int32_t quorhost_call_cdecl(void (*fn)(), const std::uint32_t* words, std::uint32_t count);

}  // extern "C"

// The thunk below addresses the record by these offsets.
static_assert(offsetof(QuorhostCallState, espBefore) == 4 && offsetof(QuorhostCallState, espAfter) == 8 &&
              offsetof(QuorhostCallState, eflags) == 12 && offsetof(QuorhostCallState, seen) == 16 &&
              offsetof(QuorhostCallState, markers) == 32);

// quorhost_call_cdecl(fn, words, count): pushes words[count-1] .. words[0],
// loads the markers, calls fn, and records ESP, the flags and the four
// registers as fn left them before restoring its own frame from memory.
asm(R"(
    .text
    .globl _quorhost_call_cdecl
_quorhost_call_cdecl:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl %ebp, _quorhost_call_state
    movl 8(%ebp), %eax
    movl 12(%ebp), %edx
    movl 16(%ebp), %ecx
1:  testl %ecx, %ecx
    jz 2f
    pushl -4(%edx,%ecx,4)
    decl %ecx
    jmp 1b
2:  movl %esp, _quorhost_call_state+4
    movl _quorhost_call_state+32, %ebx
    movl _quorhost_call_state+36, %esi
    movl _quorhost_call_state+40, %edi
    movl _quorhost_call_state+44, %ebp
    call *%eax
    movl %esp, _quorhost_call_state+8
    pushfl
    popl _quorhost_call_state+12
    movl %ebx, _quorhost_call_state+16
    movl %esi, _quorhost_call_state+20
    movl %edi, _quorhost_call_state+24
    movl %ebp, _quorhost_call_state+28
    cld
    movl _quorhost_call_state, %ebp
    leal -12(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace quorhost {
namespace {

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    if (exportInCall != nullptr) {
        std::fprintf(stderr, "quorhost: the plug-in crashed inside %s: exception 0x%08lX at 0x%p\n",
                     exportInCall, exception->ExceptionRecord->ExceptionCode,
                     exception->ExceptionRecord->ExceptionAddress);
        std::fflush(stderr);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

std::int32_t CallCdecl32(const char* name, void (*fn)(), std::span<const std::uint32_t> words) {
    static const LPTOP_LEVEL_EXCEPTION_FILTER installed = SetUnhandledExceptionFilter(ReportCrash);
    static_cast<void>(installed);
    QuorhostCallState& state = quorhost_call_state;
    std::copy(std::begin(kMarkers), std::end(kMarkers), state.markers);
    exportInCall = name;
    const std::int32_t answer =
        quorhost_call_cdecl(fn, words.data(), static_cast<std::uint32_t>(words.size()));
    exportInCall = nullptr;

    std::string faults;
    if (state.espAfter != state.espBefore) {
        faults += " ESP moved by " +
                  std::to_string(static_cast<std::int32_t>(state.espAfter - state.espBefore)) +
                  " bytes (the caller cleans the stack, so the export must leave ESP where it was);";
    }
    for (std::size_t index = 0; index < std::size(kMarkers); ++index) {
        if (state.seen[index] != kMarkers[index]) {
            faults += std::string(" ") + kRegisterNames[index] + " not kept (was " + Hex(kMarkers[index]) +
                      ", now " + Hex(state.seen[index]) + ");";
        }
    }
    if ((state.eflags & kDirectionFlag) != 0) faults += " the direction flag is set;";
    if (faults.empty()) return answer;
    const std::string message = std::string("calling convention broken by the export ") + name +
                                " (called __cdecl with " + std::to_string(words.size()) +
                                " arguments):" + faults;
    std::fprintf(stderr, "quorhost: %s\n", message.c_str());
    std::fflush(stderr);
    throw std::runtime_error(message);
}

}  // namespace quorhost

#endif
