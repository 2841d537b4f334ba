// Fuzz target for the export layer over the fake platform. The input scripts
// the registry, the shell, the host's services and the versions they report,
// then calls the exports in any order on host records laid over canary bytes.
// It fails on a byte written outside a record's named fields, on a return
// value other than 0 or 1 (or other than the one fixed by the call), and on a
// shell call that does not carry the expected task link.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "leadertask/launcher.h"
#include "leadertask/locator.h"
#include "leadertask/task_text.h"
#include "plugin/exports.h"
#include "plugin/module.h"
#include "support/canvas.h"
#include "support/fake_platform.h"
#include "support/task_link_text.h"

namespace {

using quor::MenuItemInfo;
using quor::PluginInfo;
using quor::ProcCallInfo;
using quor::test::Canvas;
using quor::test::Span;

void Check(bool ok) {
    if (!ok) std::abort();
}

// One of the edge values, or any value of the type.
template <typename T>
T Pick(FuzzedDataProvider& in, std::initializer_list<T> edges) {
    const std::size_t choice = in.ConsumeIntegralInRange<std::size_t>(0, edges.size());
    return choice < edges.size() ? edges.begin()[choice] : in.ConsumeIntegral<T>();
}

std::u16string ConsumeText(FuzzedDataProvider& in, std::size_t maxUnits) {
    std::u16string text(in.ConsumeIntegralInRange<std::size_t>(0, maxUnits), u'\0');
    std::generate(text.begin(), text.end(), [&in] { return in.ConsumeIntegral<char16_t>(); });
    return text;
}

// A short piece repeated to a length whose link lies near the longest that
// can reach LeaderTask.
std::u16string ConsumeLongText(FuzzedDataProvider& in) {
    std::u16string piece = ConsumeText(in, 4);
    if (piece.empty()) piece = u"x";
    const auto units = in.ConsumeIntegralInRange<std::size_t>(32'700, 33'000);
    std::u16string text;
    while (text.size() < units) text += piece;
    return text;
}

quor::ModuleVersionInfo ConsumeVersion(FuzzedDataProvider& in) {
    std::uint32_t parts[4];
    std::generate(std::begin(parts), std::end(parts), [&in] {
        return Pick<std::uint32_t>(in, {0, 2, 5, 6, 9, 10, UINT32_MAX});
    });
    return quor::fake::Version(parts[0], parts[1], parts[2], parts[3]);
}

quor::WindowHandle ConsumeWindow(FuzzedDataProvider& in) {
    return reinterpret_cast<quor::WindowHandle>(in.ConsumeIntegral<std::uintptr_t>());
}

// What the registry, the shell and the host answer from now on.
void ScriptWorld(FuzzedDataProvider& in) {
    quor::fake::World& world = quor::fake::world();
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:  // no value, access denied, or a value too long for the buffer
            world.registryStatus = Pick<std::int32_t>(in, {2, 5, 234});
            break;
        case 1:  // a terminated path, over-long past 511 units too
            world.SetLTPath(ConsumeText(in, 600));
            break;
        case 2:  // raw bytes of any length, odd ones included
            world.SetRegistryBytes(
                in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 1100)));
            break;
        default: {  // data of the buffer's size and just past it
            const auto bytes = in.PickValueInArray<std::size_t>({1022, 1023, 1024, 1025});
            world.SetRegistryBytes(std::vector<std::uint8_t>(bytes, in.ConsumeIntegral<std::uint8_t>()));
            break;
        }
    }
    world.shellResult =
        Pick<std::intptr_t>(in, {32, 33, 42, 0, -1, INTPTR_MIN, INTPTR_MAX, std::intptr_t{1} << 32,
                                 (std::intptr_t{1} << 32) + 33, static_cast<std::intptr_t>(0x80000021u)});
    world.exportsMainWnd = in.ConsumeBool();
    world.exportsFileVersion = in.ConsumeBool();
    world.exportsModuleVersion = in.ConsumeBool();
    world.mainWindow = ConsumeWindow(in);
    world.fileVersions.clear();
    if (in.ConsumeBool()) world.fileVersions[std::u16string(quor::GetLTPath().view())] = ConsumeVersion(in);
    world.moduleVersion = in.ConsumeBool() ? quor::fake::Reported(ConsumeVersion(in)) : std::nullopt;
}

// Host bytes under the record: the canary pattern, or one input-chosen byte.
template <typename Record>
void Prefill(FuzzedDataProvider& in, Canvas<Record>& canvas) {
    if (in.ConsumeBool()) std::memset(canvas.record(), in.ConsumeIntegral<std::uint8_t>(), sizeof(Record));
}

// The text field at offset up to and including its first terminator; empty
// when the field holds none, so that any write there counts as outside.
template <typename Unit, std::size_t N>
Span Terminated(const Unit (&field)[N], std::size_t offset) {
    for (std::size_t units = 0; units < N; ++units) {
        if (field[units] == Unit{}) return {offset, (units + 1) * sizeof(Unit)};
    }
    return {offset, 0};
}

void CallGetPluginInfo(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        Check(Quor_GetPluginInfo(nullptr) == 0);
        return;
    }
    Canvas<PluginInfo> canvas;
    Prefill(in, canvas);
    const auto size = Pick<std::uint32_t>(in, {0, 1, 544, 545, 1059, 1060, 1061, 4096, UINT32_MAX});
    canvas.record()->size = size;
    canvas.Arm();
    const std::int32_t result = Quor_GetPluginInfo(canvas.record());
    Check(result == (size >= quor::kPluginInfoFilledSize ? 1 : 0));
    std::vector<Span> written;
    if (size >= quor::kPluginInfoFilledSize) {
        written = {{offsetof(PluginInfo, infoCode), 4},
                   Terminated(canvas.record()->displayName, offsetof(PluginInfo, displayName)),
                   {offsetof(PluginInfo, flags), 4}};
    }
    Check(canvas.ChangedOutside(written).empty());
}

// The fields entry index may write.
std::vector<Span> MenuFields(const MenuItemInfo& item, std::int32_t index) {
    const Span caption = Terminated(item.caption, offsetof(MenuItemInfo, caption));
    const Span hint = Terminated(item.hint, offsetof(MenuItemInfo, hint));
    const Span procName = Terminated(item.procName, offsetof(MenuItemInfo, procName));
    const Span initProcName = Terminated(item.initProcName, offsetof(MenuItemInfo, initProcName));
    const Span itemCode{offsetof(MenuItemInfo, itemCode), 4};
    const Span itemParam{offsetof(MenuItemInfo, itemParam), 4};
    const Span unavailable{offsetof(MenuItemInfo, unavailable), 4};
    const Span flags{offsetof(MenuItemInfo, flags), 4};
    switch (index) {
        case 0:
            return {caption, hint, procName, initProcName, itemCode, itemParam, flags};
        case 1:
            return {caption, hint, procName, initProcName, itemCode, itemParam, unavailable, flags};
        case 2:
            return {flags};
        case 3:
            return {caption, hint, procName, itemCode, flags};
        default:
            return {};
    }
}

void CallGetMenuItemInfo(FuzzedDataProvider& in) {
    const auto index = Pick<std::int32_t>(in, {0, 1, 2, 3, 4, -1, INT32_MIN, INT32_MAX});
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        Check(Quor_GetMenuItemInfo(index, nullptr) == 0);
        return;
    }
    Canvas<MenuItemInfo> canvas;
    Prefill(in, canvas);
    canvas.Arm();
    const std::int32_t result = Quor_GetMenuItemInfo(index, canvas.record());
    Check(result == (index >= 0 && index <= 3 ? 1 : 0));
    Check(canvas.ChangedOutside(MenuFields(*canvas.record(), index)).empty());
}

// What the world had seen before an export was called.
struct Before {
    std::size_t shellCalls = quor::fake::world().shellCalls.size();
    std::size_t messages = quor::fake::world().messages.size();
};

// Checks the shell call the last export made, if any, and its return value:
// a call that neither launched nor told the user anything answers 0.
// cppcheck-suppress constParameter ; a window handle, compared as it is
void CheckLaunch(const Before& before, std::int32_t result, quor::WindowHandle owner,
                 const std::optional<std::u16string>& parameters) {
    const auto& calls = quor::fake::world().shellCalls;
    Check(result == 0 || result == 1);
    Check(calls.size() - before.shellCalls <= 1);
    if (calls.size() == before.shellCalls) {
        Check(result == 0 || quor::fake::world().messages.size() > before.messages);
        return;
    }
    const quor::fake::ShellCall& call = calls.back();
    Check(call.verb == u"open" && !call.file.empty() && !call.directory && call.owner == owner);
    Check(call.parameters == parameters);
    Check(result == (quor::ShellSucceeded(quor::fake::world().shellResult) ? 1 : 0));
}

void CallTextProc(FuzzedDataProvider& in, bool init) {
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        Check((init ? InitText2LTProc(nullptr) : Text2LTProc(nullptr)) == 0);
        return;
    }
    const bool hasText = in.ConsumeBool();
    const std::u16string text =
        in.ConsumeIntegralInRange(0, 7) == 0 ? ConsumeLongText(in) : ConsumeText(in, 80);
    const auto itemParam = Pick<std::int32_t>(in, {0, 1, 2, -1});
    const quor::WindowHandle owner = ConsumeWindow(in);
    Canvas<ProcCallInfo> canvas;
    Prefill(in, canvas);
    ProcCallInfo& call = *canvas.record();
    call.text = hasText ? text.c_str() : nullptr;
    call.itemParam = itemParam;
    call.ownerWnd = owner;
    canvas.Arm();
    if (init) {
        Check(InitText2LTProc(&call) == 1);
        Check(canvas
                  .ChangedOutside(
                      {{offsetof(ProcCallInfo, initCode), 4}, {offsetof(ProcCallInfo, initFlag), 4}})
                  .empty());
        return;
    }
    const Before before;
    const std::int32_t result = Text2LTProc(&call);
    Check(canvas.Untouched());
    std::optional<std::u16string> link = quor::test::TaskLinkOf(hasText ? text : std::u16string());
    if (!link) {
        Check(quor::fake::world().shellCalls.size() == before.shellCalls);
    } else if (itemParam != 1) {
        *link += quor::kExitSwitch;
    }
    CheckLaunch(before, result, owner, link);
}

void CallStartLTProc() {
    const quor::fake::World& world = quor::fake::world();
    const Before before;
    const std::int32_t result = StartLTProc();
    CheckLaunch(before, result, world.exportsMainWnd ? world.mainWindow : nullptr, std::nullopt);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quor::fake::Reset();
    FuzzedDataProvider in(data, size);
    quor::RecordModuleHandle(reinterpret_cast<quor::ModuleHandle>(in.ConsumeIntegral<std::uintptr_t>()));
    ScriptWorld(in);
    for (int calls = 0; calls < 32 && in.remaining_bytes() != 0; ++calls) {
        switch (in.ConsumeIntegralInRange(0, 6)) {
            case 0:
                CallGetPluginInfo(in);
                break;
            case 1:
                CallGetMenuItemInfo(in);
                break;
            case 2:
                CallTextProc(in, true);
                break;
            case 3:
                CallTextProc(in, false);
                break;
            case 4:
                CallStartLTProc();
                break;
            case 5:
                Check(Quor_IsSupportsPluginUnicode() == 1);
                break;
            default:
                ScriptWorld(in);
                break;
        }
    }
    return 0;
}
