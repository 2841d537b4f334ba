// The menu entries, written over a canary pattern so that any byte outside
// an entry's fields fails.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "plugin/exports.h"
#include "support/canvas.h"
#include "support/fake_platform.h"

namespace quor {
namespace {

using test::Canvas;
using test::Span;
using test::TextSpan;

constexpr char16_t kPath[] = u"C:\\LT\\LeaderTask.exe";

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::world().SetLTPath(kPath);
        SetLeaderTask(fake::Version(6, 9, 5, 2));
    }
    static void SetLeaderTask(const ModuleVersionInfo& version) {
        fake::world().fileVersions[kPath] = version;
    }
};

struct Entry {
    std::u16string caption;
    std::u16string hint;
    std::string procName;
    std::string initProcName;  // empty: not written
    std::int32_t itemCode;
    std::int32_t itemParam;  // -1: not written
};

const Entry kShow = {u"Save Text To LeaderTask (and show)",
                     u"Save selected text as new task to LeaderTask organizer (and show LT)",
                     "Text2LTProc",
                     "InitText2LTProc",
                     5,
                     1};
const Entry kHidden = {u"Save Text To LeaderTask (NOT show)",
                       u"Save selected text as new task to LeaderTask organizer (do NOT show LT; "
                       u"Required LeaderTask 6.9.5.2 or later)",
                       "Text2LTProc",
                       "InitText2LTProc",
                       5,
                       0};
const Entry kStart = {u"Start LeaderTask", u"Start the LeaderTask organizer", "StartLTProc", "", 6, -1};

std::vector<Span> Fields(const Entry& entry) {
    std::vector<Span> spans = {TextSpan(offsetof(MenuItemInfo, caption), entry.caption.size(), 2),
                               TextSpan(offsetof(MenuItemInfo, hint), entry.hint.size(), 2),
                               TextSpan(offsetof(MenuItemInfo, procName), entry.procName.size(), 1),
                               {offsetof(MenuItemInfo, itemCode), 4},
                               {offsetof(MenuItemInfo, flags), 4}};
    if (!entry.initProcName.empty())
        spans.push_back(TextSpan(offsetof(MenuItemInfo, initProcName), entry.initProcName.size(), 1));
    if (entry.itemParam >= 0) spans.push_back({offsetof(MenuItemInfo, itemParam), 4});
    return spans;
}

void ExpectEntry(const MenuItemInfo& item, const Entry& entry) {
    EXPECT_EQ(std::u16string(item.caption), entry.caption);
    EXPECT_EQ(std::u16string(item.hint), entry.hint);
    EXPECT_EQ(std::string(item.procName), entry.procName);
    if (!entry.initProcName.empty()) {
        EXPECT_EQ(std::string(item.initProcName), entry.initProcName);
    }
    EXPECT_EQ(item.itemCode, entry.itemCode);
    if (entry.itemParam >= 0) {
        EXPECT_EQ(item.itemParam, entry.itemParam);
    }
}

TEST_F(MenuTest, EntriesWriteTheirFieldsAndNothingElse) {
    const struct {
        std::int32_t index;
        const Entry* entry;
    } cases[] = {{0, &kShow}, {1, &kHidden}, {3, &kStart}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        Canvas<MenuItemInfo> canvas;
        const std::uint32_t flagsBefore = canvas.record()->flags;
        ASSERT_EQ(Quor_GetMenuItemInfo(c.index, canvas.record()), 1);
        ExpectEntry(*canvas.record(), *c.entry);
        EXPECT_EQ(canvas.record()->flags, flagsBefore | 2u);
        EXPECT_EQ(canvas.ChangedOutside(Fields(*c.entry)), std::vector<long>{});
    }
}

TEST_F(MenuTest, SeparatorSetsOnlyTheFlagBit) {
    for (std::uint32_t before : {0u, 0xFFFFFFFDu}) {
        Canvas<MenuItemInfo> canvas;
        canvas.record()->flags = before;
        canvas.Arm();
        ASSERT_EQ(Quor_GetMenuItemInfo(2, canvas.record()), 1);
        EXPECT_EQ(canvas.record()->flags, before | 2u);
        EXPECT_EQ(canvas.ChangedOutside({{offsetof(MenuItemInfo, flags), 4}}), std::vector<long>{});
    }
}

TEST_F(MenuTest, OtherIndicesAnswerZeroAndWriteNothing) {
    for (std::int32_t index : {4, 5, -1, -4, 2147483647, -2147483647 - 1}) {
        Canvas<MenuItemInfo> canvas;
        EXPECT_EQ(Quor_GetMenuItemInfo(index, canvas.record()), 0) << index;
        EXPECT_TRUE(canvas.Untouched()) << index;
    }
    EXPECT_EQ(Quor_GetMenuItemInfo(0, nullptr), 0);
}

// Entry 1 is unavailable while LeaderTask is missing or too old; when the
// gate passes, the host's own value stays.
TEST_F(MenuTest, HiddenEntryFollowsTheVersionGateAtEachQuery) {
    const struct {
        bool registered;
        ModuleVersionInfo version;
        std::int32_t hostValue;
        std::int32_t expected;
    } cases[] = {
        {true, fake::Version(6, 9, 5, 2), 0, 0},   {true, fake::Version(6, 9, 5, 2), 1, 1},
        {true, fake::Version(6, 9, 4, 9), 0, 1},   {false, fake::Version(6, 9, 5, 2), 0, 1},
        {true, fake::Version(7, 0, 0, 0), 77, 77},
    };
    for (const auto& c : cases) {
        if (c.registered) {
            fake::world().SetLTPath(kPath);
        } else {
            fake::world().registryStatus = 2;
        }
        SetLeaderTask(c.version);
        MenuItemInfo item{};
        item.unavailable = c.hostValue;
        ASSERT_EQ(Quor_GetMenuItemInfo(1, &item), 1);
        EXPECT_EQ(item.unavailable, c.expected) << c.version.minor << " registered " << c.registered;
    }
}

TEST_F(MenuTest, OnlyTheHiddenEntryRunsTheGate) {
    fake::world().registryStatus = 2;
    MenuItemInfo item{};
    ASSERT_EQ(Quor_GetMenuItemInfo(0, &item), 1);
    ASSERT_EQ(Quor_GetMenuItemInfo(2, &item), 1);
    ASSERT_EQ(Quor_GetMenuItemInfo(3, &item), 1);
    EXPECT_TRUE(fake::world().registryReads.empty());
    EXPECT_EQ(item.unavailable, 0);
    ASSERT_EQ(Quor_GetMenuItemInfo(1, &item), 1);
    EXPECT_EQ(fake::world().registryReads.size(), 1u);
}

}  // namespace
}  // namespace quor
