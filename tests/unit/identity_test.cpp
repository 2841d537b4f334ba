// The plug-in's identity: the Unicode answer, the display name read back
// through the host's module-version service, and the size rule. AboutProc, an
// alias of the Unicode answer in the export table, is checked on the DLL.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "plugin/exports.h"
#include "plugin/module.h"
#include "support/canvas.h"
#include "support/fake_platform.h"

namespace quor {
namespace {

using test::Canvas;
using test::Span;

class IdentityTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        RecordModuleHandle(kModule);
    }
    static inline const ModuleHandle kModule = reinterpret_cast<ModuleHandle>(0x5A000);
};

std::u16string DisplayName(const PluginInfo& info) { return info.displayName; }

TEST_F(IdentityTest, UnicodeAnswerIsOneOnEveryCallAndTouchesNothing) {
    EXPECT_EQ(Quor_IsSupportsPluginUnicode(), 1);
    EXPECT_EQ(Quor_IsSupportsPluginUnicode(), 1);
    EXPECT_TRUE(fake::world().serviceLookups.empty());
    EXPECT_TRUE(fake::world().messages.empty());
}

// The display name shows major, a point, then minor and release side by side;
// the build never shows. Only the named fields change.
TEST_F(IdentityTest, DisplayNameFromTheReportedVersion) {
    const struct {
        fake::Reported reported;
        std::u16string expected;
    } cases[] = {
        {fake::Version(2, 0, 0, 9), u"Quorlink 2.00"},
        {fake::Version(2, 0, 0, 0), u"Quorlink 2.00"},
        {fake::Version(2, 1, 5, 0), u"Quorlink 2.15"},
        {fake::Version(2, 10, 3, 0), u"Quorlink 2.103"},
        {fake::Version(4294967295u, 0, 7, 0), u"Quorlink -1.07"},
        {std::nullopt, u"Quorlink"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.expected));
        fake::world().moduleVersion = c.reported;
        Canvas<PluginInfo> canvas;
        canvas.record()->size = sizeof(PluginInfo);
        canvas.Arm();

        ASSERT_EQ(Quor_GetPluginInfo(canvas.record()), 1);

        EXPECT_EQ(DisplayName(*canvas.record()), c.expected);
        EXPECT_EQ(canvas.record()->infoCode, 4);
        const std::vector<Span> written = {
            {offsetof(PluginInfo, infoCode), 4},
            test::TextSpan(offsetof(PluginInfo, displayName), c.expected.size(), 2),
            {offsetof(PluginInfo, flags), 4}};
        EXPECT_EQ(canvas.ChangedOutside(written), std::vector<long>{});
    }
}

TEST_F(IdentityTest, AsksTheHostForOurOwnModuleOnEveryCall) {
    fake::world().moduleVersion = fake::Version(2, 0, 0, 9);
    PluginInfo info{};
    info.size = sizeof(PluginInfo);
    ASSERT_EQ(Quor_GetPluginInfo(&info), 1);
    ASSERT_EQ(Quor_GetPluginInfo(&info), 1);

    const auto& world = fake::world();
    EXPECT_EQ(world.moduleVersionQueries, (std::vector<ModuleHandle>{kModule, kModule}));
    EXPECT_EQ(world.serviceLookups,
              (std::vector<std::string>{"HST_GetModuleVersionInfoEx", "HST_GetModuleVersionInfoEx"}));
    for (const ModuleVersionInfo& seen : world.versionRecordsSeen) {
        EXPECT_EQ(seen.size, 20u);
        EXPECT_EQ(seen.major | seen.minor | seen.release | seen.build, 0u);
    }
}

TEST_F(IdentityTest, HostWithoutTheServiceGivesTheBareName) {
    fake::world().exportsModuleVersion = false;
    PluginInfo info{};
    info.size = sizeof(PluginInfo);
    ASSERT_EQ(Quor_GetPluginInfo(&info), 1);
    EXPECT_EQ(DisplayName(info), u"Quorlink");
    EXPECT_TRUE(fake::world().moduleVersionQueries.empty());
}

TEST_F(IdentityTest, SetsFlagBitTwoAndClearsNothing) {
    for (std::uint32_t before : {0u, 2u, 0xFFFFFFFDu, 0x80000001u}) {
        PluginInfo info{};
        info.size = sizeof(PluginInfo);
        info.flags = before;
        ASSERT_EQ(Quor_GetPluginInfo(&info), 1);
        EXPECT_EQ(info.flags, before | 2u) << before;
    }
}

// Sizes up to 544 are refused by the host contract; sizes up to 1059 are
// refused too, since the fields we write end at byte 1060.
TEST_F(IdentityTest, RefusesRecordsTooSmallForTheFieldsWritten) {
    for (std::uint32_t size : {0u, 1u, 544u, 545u, 1000u, 1059u}) {
        Canvas<PluginInfo> canvas;
        canvas.record()->size = size;
        canvas.Arm();
        EXPECT_EQ(Quor_GetPluginInfo(canvas.record()), 0) << size;
        EXPECT_TRUE(canvas.Untouched()) << size;
    }
    EXPECT_EQ(Quor_GetPluginInfo(nullptr), 0);
}

TEST_F(IdentityTest, FillsRecordsOfTheFullSizeOrLarger) {
    for (std::uint32_t size : {1060u, 4096u, 0xFFFFFFFFu}) {
        PluginInfo info{};
        info.size = size;
        EXPECT_EQ(Quor_GetPluginInfo(&info), 1) << size;
        EXPECT_EQ(info.size, size);
        EXPECT_EQ(info.infoCode, 4);
    }
}

}  // namespace
}  // namespace quor
