// The plug-in's identity through a host with services (this program) and
// through quorhost-bare.exe, a host without them.
#include <algorithm>

#include "host_fixture.h"

namespace quortest {
namespace {

using IdentityTest = WineHostTest;

bool HasLine(const std::vector<std::string>& lines, std::string_view line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(IdentityTest, DisplayNameCarriesTheVersionOfTheDllsVersionResource) {
    quor::PluginInfo info{};
    info.size = sizeof(info);
    ASSERT_EQ(ThePlugin().Find<quorhost::GetPluginInfoFn>("Quor_GetPluginInfo")(&info), 1);
    EXPECT_EQ(std::u16string_view(info.displayName), u"Quorlink 2.00");
}

TEST_F(IdentityTest, UnicodeQuestionAndAboutAnswerOne) {
    EXPECT_EQ(ThePlugin().Find<quorhost::AnswerFn>("Quor_IsSupportsPluginUnicode")(), 1);
    EXPECT_EQ(ThePlugin().Find<quorhost::AnswerFn>("AboutProc")(), 1);
}

TEST_F(IdentityTest, HostWithoutServicesGetsTheBareName) {
    EXPECT_TRUE(HasLine(RunBareHost(L"identity"), "Display name: Quorlink"));
}

TEST_F(IdentityTest, HostWithoutServicesShowsTheStartMessageWithoutOwner) {
    const std::vector<std::string> lines = RunBareHost(L"run 3");
    EXPECT_TRUE(HasLine(lines, "  owner:   none"));
    EXPECT_TRUE(HasLine(lines, "  text:    Cannot get path to LeaderTask organizer."));
}

TEST_F(IdentityTest, HostWithoutServicesStartsLeaderTask) {
    InstallLeaderTask(Standin::V6952);
    EXPECT_TRUE(HasLine(RunBareHost(L"run 3"), "No message box."));
    EXPECT_EQ(WaitForReceived(), L"\"" + LeaderTaskPath() + L"\"");
}

}  // namespace
}  // namespace quortest
