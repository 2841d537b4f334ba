// LeaderTask's path from the registry value and the version gate.
#include <gtest/gtest.h>

#include <cstring>

#include "leadertask/locator.h"
#include "support/fake_platform.h"

namespace quor {
namespace {

constexpr char16_t kPath[] = u"C:\\Program Files\\LeaderTask\\LeaderTask.exe";

class LocatorTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

std::vector<std::uint8_t> Bytes(std::u16string_view units) {
    std::vector<std::uint8_t> bytes(units.size() * 2);
    std::memcpy(bytes.data(), units.data(), bytes.size());
    return bytes;
}

TEST_F(LocatorTest, ReadsLastStartOfLeaderTasksKeyToldAKilobyte) {
    fake::world().SetLTPath(kPath);
    EXPECT_EQ(GetLTPath().view(), kPath);
    ASSERT_EQ(fake::world().registryReads.size(), 1u);
    const fake::RegistryCall& read = fake::world().registryReads[0];
    EXPECT_EQ(read.key, u"Software\\Almeza\\LeaderTask");
    EXPECT_EQ(read.valueName, u"LastStart");
    EXPECT_EQ(read.bufferBytes, 1024u);
}

// Only the bytes the query reported are read: a value without a terminator
// gives the whole units it holds, never memory the query did not write.
TEST_F(LocatorTest, PathIsTheTextUpToTheFirstNullWithinTheBytesRead) {
    const struct {
        std::vector<std::uint8_t> data;
        std::u16string expected;
    } cases[] = {
        {Bytes(u"C:\\a.exe"), u"C:\\a.exe"},                         // no terminator
        {Bytes(std::u16string(u"C:\\a\0C:\\b\0\0", 12)), u"C:\\a"},  // several strings
        {{'C', 0, ':', 0, 'x'}, u"C:"},                              // odd length
        {{'C'}, u""},
        {{}, u""},
        {Bytes(std::u16string(u"\0C:\\a", 5)), u""},
        {Bytes(std::u16string(511, u'x') + u'\0'), std::u16string(511, u'x')},
        {Bytes(std::u16string(511, u'x')), std::u16string(511, u'x')},
        {Bytes(std::u16string(512, u'x')), u""},          // all 1024 bytes, no terminator
        {Bytes(std::u16string(512, u'x') + u'\0'), u""},  // more than 1024 bytes
    };
    for (const auto& c : cases) {
        fake::world().SetRegistryBytes(c.data);
        EXPECT_EQ(GetLTPath().view(), c.expected) << c.data.size();
    }
}

TEST_F(LocatorTest, RegistryFailureGivesTheEmptyPath) {
    for (std::int32_t status : {2, 5, 234}) {
        fake::world().registryStatus = status;
        EXPECT_TRUE(GetLTPath().empty()) << status;
    }
}

TEST_F(LocatorTest, VersionsAgainstTheMinimum) {
    const struct {
        ModuleVersionInfo version;
        bool passes;
    } cases[] = {
        {fake::Version(6, 9, 5, 2), true},           {fake::Version(6, 9, 5, 1), false},
        {fake::Version(6, 9, 4, 9), false},          {fake::Version(6, 8, 9, 9), false},
        {fake::Version(5, 99, 99, 99), false},       {fake::Version(6, 9, 6, 0), true},
        {fake::Version(6, 10, 0, 0), true},          {fake::Version(7, 0, 0, 0), true},
        {fake::Version(4294967295u, 0, 0, 0), true},
    };
    fake::world().SetLTPath(kPath);
    for (const auto& c : cases) {
        fake::world().fileVersions[kPath] = c.version;
        ModuleVersionInfo out = fake::Version(0, 0, 0, 0);
        EXPECT_EQ(CheckLTVersion(&out, nullptr), c.passes) << c.version.major << "." << c.version.minor;
        EXPECT_EQ(out.major, c.version.major);
        EXPECT_EQ(out.build, c.version.build);
    }
}

// What the gate's outputs hold for each outcome; the caller's record starts
// as 9.9.9.9 with a size of 77, so that a write of any field is seen.
TEST_F(LocatorTest, OutputsForEachOutcome) {
    enum class Setup { NoValue, NoService, ServiceFails, TooOld, Fine };
    const struct {
        Setup setup;
        bool answer;
        std::u16string path;
        std::uint32_t major;
    } cases[] = {
        {Setup::NoValue, false, u"", 9},        {Setup::NoService, false, kPath, 9},
        {Setup::ServiceFails, false, kPath, 9}, {Setup::TooOld, false, kPath, 6},
        {Setup::Fine, true, kPath, 6},
    };
    for (const auto& c : cases) {
        fake::Reset();
        if (c.setup != Setup::NoValue) fake::world().SetLTPath(kPath);
        fake::world().exportsFileVersion = c.setup != Setup::NoService;
        if (c.setup == Setup::TooOld) fake::world().fileVersions[kPath] = fake::Version(6, 9, 4, 9);
        if (c.setup == Setup::Fine) fake::world().fileVersions[kPath] = fake::Version(6, 9, 5, 2);

        ModuleVersionInfo out = fake::Version(9, 9, 9, 9);
        out.size = 77;
        LTPath path;
        path.Append(u"stale");
        EXPECT_EQ(CheckLTVersion(&out, &path), c.answer);
        EXPECT_EQ(path.view(), c.path);
        EXPECT_EQ(out.major, c.major);
        EXPECT_EQ(out.size, 77u);
        EXPECT_TRUE(CheckLTVersion(nullptr, nullptr) == c.answer);
    }
}

TEST_F(LocatorTest, TheHostGetsTheGatesOwnBlankRecord) {
    fake::world().SetLTPath(kPath);
    fake::world().fileVersions[kPath] = fake::Version(6, 9, 5, 2);
    ModuleVersionInfo out = fake::Version(1, 2, 3, 4);
    out.size = 77;
    CheckLTVersion(&out, nullptr);
    ASSERT_EQ(fake::world().versionRecordsSeen.size(), 1u);
    const ModuleVersionInfo& seen = fake::world().versionRecordsSeen[0];
    EXPECT_EQ(seen.size, 20u);
    EXPECT_EQ(seen.major | seen.minor | seen.release | seen.build, 0u);
    EXPECT_EQ(out.size, 77u);
    EXPECT_EQ(fake::world().fileVersionQueries, std::vector<std::u16string>{kPath});
}

}  // namespace
}  // namespace quor
