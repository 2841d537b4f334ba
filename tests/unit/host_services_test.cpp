// Host services: looked up by name on every call, a missing one answering
// null or 0, arguments handed on unchanged.
#include <gtest/gtest.h>

#include "host/host_services.h"
#include "support/fake_platform.h"

namespace quor {
namespace {

class HostServicesTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

TEST_F(HostServicesTest, MainWindowComesFromTheHostEachTime) {
    EXPECT_EQ(GetHostMainWnd(), fake::world().mainWindow);
    fake::world().mainWindow = reinterpret_cast<WindowHandle>(0x2020);
    EXPECT_EQ(GetHostMainWnd(), reinterpret_cast<WindowHandle>(0x2020));
    EXPECT_EQ(fake::world().serviceLookups, (std::vector<std::string>{"HST_GetMainWnd", "HST_GetMainWnd"}));
}

TEST_F(HostServicesTest, MissingServicesAnswerNullOrZero) {
    fake::world().exportsMainWnd = false;
    fake::world().exportsFileVersion = false;
    fake::world().exportsModuleVersion = false;
    ModuleVersionInfo info = BlankVersionInfo();
    EXPECT_EQ(GetHostMainWnd(), nullptr);
    EXPECT_EQ(QueryFileVersion(u"C:\\LT.exe", &info), 0);
    EXPECT_EQ(QueryModuleVersion(nullptr, &info), 0);
    EXPECT_EQ(info.major | info.minor | info.release | info.build, 0u);
}

TEST_F(HostServicesTest, FileVersionHandsOnPathAndRecord) {
    fake::world().fileVersions[u"C:\\Program Files\\LT.exe"] = fake::Version(6, 9, 5, 2);
    ModuleVersionInfo info = BlankVersionInfo();
    EXPECT_NE(QueryFileVersion(u"C:\\Program Files\\LT.exe", &info), 0);
    EXPECT_EQ(info.build, 2u);
    EXPECT_EQ(QueryFileVersion(u"C:\\other.exe", &info), 0);
}

TEST_F(HostServicesTest, NullRecordGivesZeroWithoutLookup) {
    EXPECT_EQ(QueryFileVersion(u"C:\\LT.exe", nullptr), 0);
    EXPECT_TRUE(fake::world().serviceLookups.empty());
}

}  // namespace
}  // namespace quor
