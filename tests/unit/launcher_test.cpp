// LeaderTask launches: the exact shell call in each mode and how its result
// is read.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "leadertask/launcher.h"
#include "support/fake_platform.h"

namespace quor {
namespace {

constexpr char16_t kPath[] = u"C:\\Program Files\\Leader Task\\LeaderTask.exe";
const auto kOwner = reinterpret_cast<WindowHandle>(0x4242);

// RunLT with link as the parameters built so far.
bool RunWith(WindowHandle owner, std::u16string_view link, bool show) {
    const auto parameters = std::make_unique<Parameters>();
    parameters->Append(link);
    return RunLT(owner, *parameters, show);
}

LTPath PathOf(std::u16string_view text) {
    LTPath path;
    path.Append(text);
    return path;
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::world().SetLTPath(kPath);
    }
    static const fake::ShellCall& OnlyCall() {
        EXPECT_EQ(fake::world().shellCalls.size(), 1u);
        return fake::world().shellCalls.at(0);
    }
};

TEST_F(LauncherTest, ShellResultsAboveThirtyTwoAreSuccess) {
    EXPECT_FALSE(ShellSucceeded(0));
    EXPECT_FALSE(ShellSucceeded(2));
    EXPECT_FALSE(ShellSucceeded(32));
    EXPECT_TRUE(ShellSucceeded(33));
    EXPECT_FALSE(ShellSucceeded(static_cast<std::intptr_t>(0x80000000u)));
    EXPECT_FALSE(ShellSucceeded(-5));
    EXPECT_TRUE(ShellSucceeded(static_cast<std::intptr_t>(0x7FFFFFFF)));
}

TEST_F(LauncherTest, ShownModeOpensThePathWithTheLinkAlone) {
    EXPECT_TRUE(RunWith(kOwner, u"lt://planning_add?{Buy%20milk}", true));
    const fake::ShellCall& call = OnlyCall();
    EXPECT_EQ(call.owner, kOwner);
    EXPECT_EQ(call.verb, u"open");
    EXPECT_EQ(call.file, kPath);
    EXPECT_EQ(call.parameters, u"lt://planning_add?{Buy%20milk}");
    EXPECT_EQ(call.directory, std::nullopt);
    EXPECT_EQ(call.showCommand, 5);
}

TEST_F(LauncherTest, HiddenModeAddsTheExitSwitch) {
    EXPECT_TRUE(RunWith(nullptr, u"lt://planning_add?{Buy%20milk}", false));
    EXPECT_EQ(OnlyCall().parameters, u"lt://planning_add?{Buy%20milk} /exit");
    EXPECT_EQ(OnlyCall().owner, nullptr);
}

TEST_F(LauncherTest, NoPathMeansNoLaunch) {
    fake::world().registryStatus = 2;
    EXPECT_FALSE(RunWith(kOwner, u"lt://planning_add?{}", true));
    EXPECT_TRUE(fake::world().shellCalls.empty());
}

// Windows takes command lines of up to 32766 units: the quoted path, a space
// and the parameters. A longer task is not launched rather than cut; a link
// too long for the exit switch's room is not launched in the hidden mode.
TEST_F(LauncherTest, CommandLineLongerThanWindowsAllowsIsNotLaunched) {
    const std::size_t room = 32766 - (std::u16string_view(kPath).size() + 3);
    EXPECT_TRUE(RunWith(nullptr, std::u16string(room, u'x'), true));
    EXPECT_FALSE(RunWith(nullptr, std::u16string(room + 1, u'x'), true));
    EXPECT_TRUE(RunWith(nullptr, std::u16string(room - 6, u'x'), false));
    EXPECT_FALSE(RunWith(nullptr, std::u16string(room - 5, u'x'), false));
    ASSERT_EQ(fake::world().shellCalls.size(), 2u);
    EXPECT_EQ(fake::world().shellCalls[1].parameters->size(), room);

    fake::world().SetLTPath(u"C");
    EXPECT_TRUE(RunWith(nullptr, std::u16string(kMaxParameters, u'x'), true));
    EXPECT_FALSE(RunWith(nullptr, std::u16string(kMaxParameters - 5, u'x'), false));
    EXPECT_EQ(fake::world().shellCalls.size(), 3u);
}

TEST_F(LauncherTest, ReadsThePathAnewOnEveryLaunch) {
    RunWith(nullptr, u"a", true);
    fake::world().SetLTPath(u"D:\\LT.exe");
    RunWith(nullptr, u"a", true);
    ASSERT_EQ(fake::world().shellCalls.size(), 2u);
    EXPECT_EQ(fake::world().shellCalls[1].file, u"D:\\LT.exe");
}

TEST_F(LauncherTest, ShellFailureIsFalse) {
    for (std::intptr_t result :
         {std::intptr_t{2}, std::intptr_t{32}, static_cast<std::intptr_t>(0xFFFFFFFFu)}) {
        fake::world().shellResult = result;
        EXPECT_FALSE(RunWith(nullptr, u"a", true)) << result;
        EXPECT_FALSE(StartLT(nullptr, PathOf(kPath))) << result;
    }
}

TEST_F(LauncherTest, BareStartHasNoParameters) {
    EXPECT_TRUE(StartLT(kOwner, PathOf(kPath)));
    const fake::ShellCall& call = OnlyCall();
    EXPECT_EQ(call.file, kPath);
    EXPECT_EQ(call.parameters, std::nullopt);
    EXPECT_EQ(call.verb, u"open");
    EXPECT_EQ(call.owner, kOwner);
    EXPECT_EQ(call.showCommand, 5);
}

}  // namespace
}  // namespace quor
