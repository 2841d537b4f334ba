// Every field the plug-in writes, at the host's offsets: each record starts
// as host bytes, and after the call it must equal the same bytes with exactly
// the expected fields written. A field the plug-in places elsewhere, or a
// byte written beyond the named fields, is a difference at its offset.
#include <array>
#include <climits>
#include <optional>
#include <string>

#include "host_fixture.h"
#include "registry.h"

namespace quortest {
namespace {

using RecordsTest = WineHostTest;
namespace menu = quorhost::menu_item;
using quorhost::Record;

constexpr std::uint32_t kPluginFlag = 2;

// The offsets where two records differ, for a readable failure.
std::string Differences(const Record& actual, const Record& expected) {
    std::string offsets;
    for (std::size_t at = 0; at < actual.bytes().size(); ++at) {
        if (actual.bytes()[at] != expected.bytes()[at]) offsets += " " + std::to_string(at);
    }
    return offsets;
}

void ExpectBytes(const Record& actual, const Record& expected) {
    EXPECT_TRUE(actual == expected) << "bytes differ at offsets" << Differences(actual, expected);
}

TEST_F(RecordsTest, PluginInfoGetsFlagNameAndCodeOnly) {
    Record info(quorhost::kPluginInfoLength, kHostByte);
    info.SetU32(quorhost::plugin_info::size, quorhost::kPluginInfoLength);
    Record expected = info;
    expected.SetU32(quorhost::plugin_info::flags, info.U32(quorhost::plugin_info::flags) | kPluginFlag);
    expected.SetText16(quorhost::plugin_info::displayName, u"Quorlink " QUOR_DISPLAY_VERSION);
    expected.SetI32(quorhost::plugin_info::infoCode, 4);
    EXPECT_EQ(ThePlugin().CallWithRecord("Quor_GetPluginInfo", info), 1);
    ExpectBytes(info, expected);
}

struct EntryCase {
    std::int32_t index;
    std::u16string_view caption;
    std::u16string_view hint;
    std::string_view procName;
    std::string_view initProcName;
    std::int32_t itemCode;
    std::optional<std::int32_t> itemParam;
    bool leaderTaskNewEnough = true;  // else none is registered, and entry 1 gets unavailable
};

TEST_F(RecordsTest, MenuEntriesGetTheirFieldsOnly) {
    constexpr std::u16string_view kHiddenCaption = u"Save Text To LeaderTask (NOT show)";
    constexpr std::u16string_view kHiddenHint =
        u"Save selected text as new task to LeaderTask organizer (do NOT show LT; Required LeaderTask "
        u"6.9.5.2 or later)";
    const std::array<EntryCase, 5> cases{{
        {0, u"Save Text To LeaderTask (and show)",
         u"Save selected text as new task to LeaderTask organizer (and show LT)", "Text2LTProc",
         "InitText2LTProc", 5, 1},
        {1, kHiddenCaption, kHiddenHint, "Text2LTProc", "InitText2LTProc", 5, 0},
        {1, kHiddenCaption, kHiddenHint, "Text2LTProc", "InitText2LTProc", 5, 0, false},
        {2, {}, {}, {}, {}, 0, std::nullopt},
        {3, u"Start LeaderTask", u"Start the LeaderTask organizer", "StartLTProc", {}, 6, std::nullopt},
    }};
    for (const EntryCase& test : cases) {
        SCOPED_TRACE(std::to_string(test.index) + (test.leaderTaskNewEnough ? "" : ", no LeaderTask"));
        quorhost::DeleteLeaderTaskKey();
        if (test.leaderTaskNewEnough) InstallLeaderTask(Standin::V6952);
        Record item(quorhost::kMenuItemLength, kHostByte);
        Record expected = item;
        expected.SetU32(menu::flags, item.U32(menu::flags) | kPluginFlag);
        if (!test.caption.empty()) {
            expected.SetText16(menu::caption, test.caption);
            expected.SetText16(menu::hint, test.hint);
            expected.SetText8(menu::procName, test.procName);
            expected.SetI32(menu::itemCode, test.itemCode);
        }
        if (!test.initProcName.empty()) expected.SetText8(menu::initProcName, test.initProcName);
        if (test.itemParam) expected.SetI32(menu::itemParam, *test.itemParam);
        if (!test.leaderTaskNewEnough) expected.SetI32(menu::unavailable, 1);
        EXPECT_EQ(ThePlugin().CallMenu(test.index, item), 1);
        ExpectBytes(item, expected);
    }
}

TEST_F(RecordsTest, IndicesWithoutEntryLeaveTheRecordAlone) {
    for (const std::int32_t index : {4, -1, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(index);
        Record item(quorhost::kMenuItemLength, kHostByte);
        const Record before = item;
        EXPECT_EQ(ThePlugin().CallMenu(index, item), 0);
        ExpectBytes(item, before);
    }
}

TEST_F(RecordsTest, InitProcedureSetsInitCodeAndInitFlagOnly) {
    Record call(quorhost::kProcCallLength, kHostByte);
    Record expected = call;
    expected.SetI32(quorhost::proc_call::initCode, 3);
    expected.SetI32(quorhost::proc_call::initFlag, 1);
    EXPECT_EQ(ThePlugin().CallWithRecord("InitText2LTProc", call), 1);
    ExpectBytes(call, expected);
}

TEST_F(RecordsTest, TextProcedureReadsTheCallRecordAndWritesNothing) {
    InstallLeaderTask(Standin::V6952);
    const std::u16string text = u"buy milk";
    Record call(quorhost::kProcCallLength, kHostByte);
    call.SetPointer(quorhost::proc_call::text, text.c_str());
    call.SetI32(quorhost::proc_call::itemParam, 1);
    call.SetPointer(quorhost::proc_call::ownerWnd, OtherWindow());
    const Record before = call;
    EXPECT_EQ(ThePlugin().CallWithRecord("Text2LTProc", call), 1);
    ExpectBytes(call, before);
    EXPECT_EQ(WaitForReceived(), L"\"" + LeaderTaskPath() + L"\" lt://planning_add?{Buy%20milk}");
}

}  // namespace
}  // namespace quortest
