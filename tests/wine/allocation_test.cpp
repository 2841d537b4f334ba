// The plug-in when the C runtime's allocations fail. The test host points the
// DLL's imports of the runtime's allocation functions at versions of its own
// that count the allocations and fail them by a rule, and its imports of
// ShellExecuteW and MessageBoxW at recorders, so that what a call started or
// showed is known exactly and at once (the other tests cover real launches
// and boxes). A table of every export and menu entry, by every rule:
// every allocation fails; allocations above 64 or above 512 bytes fail; the
// n-th allocation fails, for each n up to the number the call makes when
// nothing fails. A call may answer 0 or its usual answer. On 0 it has
// started nothing, shown nothing and left its record as the host filled it;
// with its usual answer it has done exactly what it does usually. Either way
// the host lives on, and the same call with allocations restored gives the
// usual answer again.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "entries.h"
#include "host_fixture.h"
#include "import_patch.h"

namespace quortest {
namespace {

using quorhost::Record;

// ---- The replaced imports -------------------------------------------------

enum class Rule { Every, Above64, Above512, Nth };

struct AllocationRule {
    std::optional<Rule> rule;  // nothing: no allocation fails
    std::size_t nth = 0;
};

using Malloc = void*(__cdecl*)(std::size_t);
using Calloc = void*(__cdecl*)(std::size_t, std::size_t);
using Realloc = void*(__cdecl*)(void*, std::size_t);
using Free = void(__cdecl*)(void*);

struct Allocations {
    AllocationRule rule;
    std::size_t count = 0;           // allocations asked for under the rule
    std::unordered_set<void*> live;  // blocks allocated and not yet freed
    Malloc malloc = nullptr;         // the runtime's own functions
    Calloc calloc = nullptr;
    Realloc realloc = nullptr;
    Free free = nullptr;
} allocations;

bool Fails(std::size_t bytes) {
    ++allocations.count;
    if (!allocations.rule.rule) return false;
    switch (*allocations.rule.rule) {
        case Rule::Every:
            return true;
        case Rule::Above64:
            return bytes > 64;
        case Rule::Above512:
            return bytes > 512;
        case Rule::Nth:
            return allocations.count == allocations.rule.nth;
    }
    return false;
}

void* Track(void* block) {
    if (block != nullptr) allocations.live.insert(block);
    return block;
}

void* __cdecl CountedMalloc(std::size_t bytes) {
    return Fails(bytes) ? nullptr : Track(allocations.malloc(bytes));
}

void* __cdecl CountedCalloc(std::size_t count, std::size_t size) {
    return Fails(count * size) ? nullptr : Track(allocations.calloc(count, size));
}

void* __cdecl CountedRealloc(void* block, std::size_t bytes) {
    if (Fails(bytes)) return nullptr;
    void* moved = allocations.realloc(block, bytes);
    if (moved != nullptr || bytes == 0) allocations.live.erase(block);
    return Track(moved);
}

void __cdecl CountedFree(void* block) {
    allocations.live.erase(block);
    allocations.free(block);
}

struct Launch {
    HWND owner;
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    int show;
    bool operator==(const Launch&) const = default;
};

struct Box {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT style;
    bool operator==(const Box&) const = default;
};

std::vector<Launch> launches;
std::vector<Box> boxes;

std::wstring Text(const wchar_t* text) { return text != nullptr ? text : L"(null)"; }

HINSTANCE WINAPI RecordLaunch(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR, INT show) {
    launches.push_back({owner, Text(verb), Text(file), Text(parameters), show});
    constexpr std::intptr_t kStarted = 42;  // above 32: the shell started the program
    return reinterpret_cast<HINSTANCE>(kStarted);
}

int WINAPI RecordBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
    boxes.push_back({owner, Text(text), Text(caption), style});
    return IDOK;
}

template <typename Fn>
void (*Generic(Fn function))() {
    return reinterpret_cast<void (*)()>(function);
}

// The allocation functions the C runtime has; the DLL must import no other
// than the ones replaced here.
constexpr std::array kRuntimeAllocators{"malloc",  "calloc",          "realloc",          "free",
                                        "_strdup", "_wcsdup",         "_recalloc",        "_expand",
                                        "_msize",  "_aligned_malloc", "_aligned_realloc", "_aligned_free"};
constexpr std::array kReplaced{"malloc", "calloc", "realloc", "free"};

// The DLL's imports, replaced while it lives. An allocation function that the
// DLL does not import it cannot call, so there is nothing to replace.
class PatchedImports {
public:
    explicit PatchedImports(HMODULE module)
        : shell_(module, "shell32.dll", "ShellExecuteW", Generic(&RecordLaunch)),
          box_(module, "user32.dll", "MessageBoxW", Generic(&RecordBox)) {
        const std::vector<std::string> imported = ImportedNames(module, "msvcrt.dll");
        const auto patch = [&](std::optional<ImportPatch>& slot, const char* name, void (*replacement)()) {
            if (std::find(imported.begin(), imported.end(), name) == imported.end()) return;
            slot.emplace(module, "msvcrt.dll", name, replacement);
        };
        patch(malloc_, "malloc", Generic(&CountedMalloc));
        patch(calloc_, "calloc", Generic(&CountedCalloc));
        patch(realloc_, "realloc", Generic(&CountedRealloc));
        patch(free_, "free", Generic(&CountedFree));
        if (malloc_) allocations.malloc = reinterpret_cast<Malloc>(malloc_->original());
        if (calloc_) allocations.calloc = reinterpret_cast<Calloc>(calloc_->original());
        if (realloc_) allocations.realloc = reinterpret_cast<Realloc>(realloc_->original());
        if (free_) allocations.free = reinterpret_cast<Free>(free_->original());
    }

private:
    ImportPatch shell_;
    ImportPatch box_;
    std::optional<ImportPatch> malloc_;
    std::optional<ImportPatch> calloc_;
    std::optional<ImportPatch> realloc_;
    std::optional<ImportPatch> free_;
};

// ---- The calls ------------------------------------------------------------

constexpr std::u16string_view kText = u"  buy milk and bread\r\n";

// How a call is made: the record the host hands in, if any, and the export.
enum class Shape { NoRecord, PluginInfo, MenuItem, InitRecord, TextRecord };

struct CallCase {
    const char* name;  // cppcheck-suppress unusedStructMember ; names the table's tests
    std::optional<Standin> leaderTask;
    Shape shape;
    const char* exportName;
    std::int32_t argument;  // the menu index, or the call record's item parameter
};

std::optional<Record> HostRecord(const CallCase& test) {
    static const std::u16string text(kText);
    switch (test.shape) {
        case Shape::NoRecord:
            return std::nullopt;
        case Shape::PluginInfo: {
            Record info(quorhost::kPluginInfoLength, kHostByte);
            info.SetU32(quorhost::plugin_info::size, quorhost::kPluginInfoLength);
            return info;
        }
        case Shape::MenuItem:
            return Record(quorhost::kMenuItemLength, kHostByte);
        case Shape::InitRecord:
            return Record(quorhost::kProcCallLength, kHostByte);
        case Shape::TextRecord:
            return quorhost::CallRecord(text, test.argument, OtherWindow());
    }
    return std::nullopt;
}

// cppcheck-suppress constParameter ; the export writes the record
std::int32_t Call(const CallCase& test, std::optional<Record>& record) {
    if (!record) return ThePlugin().CallAnswer(test.exportName);
    if (test.shape == Shape::MenuItem) return ThePlugin().CallMenu(test.argument, *record);
    return ThePlugin().CallWithRecord(test.exportName, *record);
}

constexpr std::array<CallCase, 14> kCalls{{
    {"IsSupportsPluginUnicode", std::nullopt, Shape::NoRecord, "Quor_IsSupportsPluginUnicode", 0},
    {"AboutProc", std::nullopt, Shape::NoRecord, "AboutProc", 0},
    {"GetPluginInfo", std::nullopt, Shape::PluginInfo, "Quor_GetPluginInfo", 0},
    {"MenuEntry0", Standin::V6952, Shape::MenuItem, "Quor_GetMenuItemInfo", 0},
    {"MenuEntry1", Standin::V6952, Shape::MenuItem, "Quor_GetMenuItemInfo", 1},
    {"MenuEntry2", Standin::V6952, Shape::MenuItem, "Quor_GetMenuItemInfo", 2},
    {"MenuEntry3", Standin::V6952, Shape::MenuItem, "Quor_GetMenuItemInfo", 3},
    {"MenuEntry4Invalid", Standin::V6952, Shape::MenuItem, "Quor_GetMenuItemInfo", 4},
    {"InitText2LTProc", std::nullopt, Shape::InitRecord, "InitText2LTProc", 0},
    {"Text2LTProcShown", Standin::V6952, Shape::TextRecord, "Text2LTProc", 1},
    {"Text2LTProcHidden", Standin::V6952, Shape::TextRecord, "Text2LTProc", 0},
    {"Text2LTProcHiddenTooOld", Standin::V6949, Shape::TextRecord, "Text2LTProc", 0},
    {"StartLTProc", Standin::V6952, Shape::NoRecord, "StartLTProc", 0},
    {"StartLTProcWithoutLeaderTask", std::nullopt, Shape::NoRecord, "StartLTProc", 0},
}};

// ---- The table ------------------------------------------------------------

struct Outcome {
    std::int32_t answer;
    std::optional<Record> before;
    std::optional<Record> after;
    std::vector<Launch> launches;
    std::vector<Box> boxes;
    std::size_t allocations;
    std::size_t leaked;
};

Outcome RunCall(const CallCase& test, AllocationRule rule) {
    std::optional<Record> record = HostRecord(test);
    const std::optional<Record> before = record;
    launches.clear();
    boxes.clear();
    allocations.live.clear();
    allocations.count = 0;
    allocations.rule = rule;
    const std::int32_t answer = Call(test, record);
    allocations.rule = {};
    return {answer, before, record, launches, boxes, allocations.count, allocations.live.size()};
}

std::vector<AllocationRule> Rows(Rule rule, std::size_t usualAllocations) {
    if (rule != Rule::Nth) return {{rule}};
    std::vector<AllocationRule> rows;
    for (std::size_t nth = 1; nth <= usualAllocations; ++nth) rows.push_back({rule, nth});
    return rows;
}

std::string Describe(AllocationRule row) {
    switch (*row.rule) {
        case Rule::Every:
            return "every allocation fails";
        case Rule::Above64:
            return "allocations above 64 bytes fail";
        case Rule::Above512:
            return "allocations above 512 bytes fail";
        case Rule::Nth:
            return "allocation " + std::to_string(row.nth) + " fails";
    }
    return {};
}

void ExpectUsual(const Outcome& seen, const Outcome& usual) {
    EXPECT_EQ(seen.answer, usual.answer);
    EXPECT_TRUE(seen.after == usual.after) << "the record differs from the usual one";
    EXPECT_TRUE(seen.launches == usual.launches)
        << seen.launches.size() << " launches, usually " << usual.launches.size();
    EXPECT_TRUE(seen.boxes == usual.boxes) << seen.boxes.size() << " boxes, usually " << usual.boxes.size();
}

// One row group of the table: a call by one rule, for every n under Rule::Nth.
class AllocationFailureTest : public WineHostTest {
public:
    AllocationFailureTest(const CallCase& call, Rule rule) : call_(call), rule_(rule) {}

    void TestBody() override {
        const PatchedImports imports(ThePlugin().module());  // cppcheck-suppress unreadVariable
        if (call_.leaderTask) InstallLeaderTask(*call_.leaderTask);
        const Outcome usual = RunCall(call_, {});
        EXPECT_EQ(usual.leaked, 0u) << "the call leaks with every allocation granted";
        for (const AllocationRule& row : Rows(rule_, usual.allocations)) {
            SCOPED_TRACE(Describe(row));
            const Outcome failed = RunCall(call_, row);
            if (failed.answer == usual.answer) {
                ExpectUsual(failed, usual);
            } else {
                EXPECT_EQ(failed.answer, 0) << "neither 0 nor the usual answer " << usual.answer;
                EXPECT_TRUE(failed.launches.empty()) << "started LeaderTask, yet answered 0";
                EXPECT_TRUE(failed.boxes.empty()) << "showed a box, yet answered 0";
                EXPECT_TRUE(failed.after == failed.before) << "wrote to its record, yet answered 0";
            }
            ExpectUsual(RunCall(call_, {}), usual);
        }
    }

private:
    const CallCase& call_;
    Rule rule_;
};

// Tests named AllocationFailureTest.<call>_<rule>, so that one can be run alone.
const bool kTableRegistered = [] {
    constexpr std::array<std::pair<Rule, const char*>, 4> kRules{
        {{Rule::Every, "EveryAllocationFails"},
         {Rule::Above64, "AllocationsAbove64BytesFail"},
         {Rule::Above512, "AllocationsAbove512BytesFail"},
         {Rule::Nth, "NthAllocationFails"}}};
    for (const CallCase& call : kCalls) {
        for (const auto& [rule, ruleName] : kRules) {
            const std::string name = std::string(call.name) + "_" + ruleName;
            testing::RegisterTest(
                "AllocationFailureTest", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                [&call, rule]() -> WineHostTest* { return new AllocationFailureTest(call, rule); });
        }
    }
    return true;
}();

TEST(AllocationImportsTest, DllImportsNoAllocatorThatTheTableDoesNotReplace) {
    std::vector<std::string> unreplaced;
    for (const std::string& name : ImportedNames(ThePlugin().module(), "msvcrt.dll")) {
        const bool allocator =
            std::find(kRuntimeAllocators.begin(), kRuntimeAllocators.end(), name) != kRuntimeAllocators.end();
        const bool replaced = std::find(kReplaced.begin(), kReplaced.end(), name) != kReplaced.end();
        if (allocator && !replaced) unreplaced.push_back(name);
    }
    EXPECT_TRUE(unreplaced.empty()) << "unreplaced: " << testing::PrintToString(unreplaced);
}

}  // namespace
}  // namespace quortest
