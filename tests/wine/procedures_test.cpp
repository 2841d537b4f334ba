// Each procedure end to end: the plug-in starts the stand-in LeaderTask through
// the shell, and the stand-in records the command line it was given. Wine's
// shell quotes the executable's path and appends the parameters after a space.
#include <array>

#include "host_fixture.h"
#include "registry.h"
#include "text.h"

namespace quortest {
namespace {

using ProceduresTest = WineHostTest;

constexpr std::int32_t kShownEntry = 0;
constexpr std::int32_t kHiddenEntry = 1;

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

struct SaveCase {
    std::int32_t entry;
    std::u16string_view text;
    std::wstring_view parameters;
    std::vector<std::wstring> arguments;
};

TEST_F(ProceduresTest, SavedTextArrivesAsOneTaskLinkArgument) {
    const std::array<SaveCase, 4> cases{{
        {kShownEntry,
         u"  buy milk\r\n",
         L"lt://planning_add?{Buy%20milk}",
         {L"lt://planning_add?{Buy%20milk}"}},
        {kHiddenEntry,
         u"  buy milk\r\n",
         L"lt://planning_add?{Buy%20milk} /exit",
         {L"lt://planning_add?{Buy%20milk}", L"/exit"}},
        {kShownEntry,
         u"\tbuy milk",
         L"lt://planning_add?{%09buy%20milk}",
         {L"lt://planning_add?{%09buy%20milk}"}},
        {kShownEntry,
         u"say \"hi\"",
         L"lt://planning_add?{Say%20%22hi%22}",
         {L"lt://planning_add?{Say%20%22hi%22}"}},
    }};
    for (const SaveCase& test : cases) {
        SCOPED_TRACE(quorhost::ToUtf8(test.parameters));
        InstallLeaderTask(Standin::V6952);
        const CallResult result = RunTextEntry(test.entry, test.text, OtherWindow());
        EXPECT_EQ(result.answer, 1);
        EXPECT_TRUE(result.boxes.empty());
        const std::optional<std::wstring> received = WaitForReceived();
        ASSERT_TRUE(received.has_value());
        EXPECT_EQ(*received, Quoted(LeaderTaskPath()) + L" " + std::wstring(test.parameters));
        EXPECT_EQ(Arguments(*received), test.arguments);
    }
}

TEST_F(ProceduresTest, StartPassesNoParameters) {
    InstallLeaderTask(Standin::V6952);
    const CallResult result = RunStart();
    EXPECT_EQ(result.answer, 1);
    EXPECT_TRUE(result.boxes.empty());
    EXPECT_EQ(WaitForReceived(), Quoted(LeaderTaskPath()));
}

struct BoundaryCase {
    const char* mode;
    std::int32_t entry;
    std::wstring_view exitSwitch;
};

// Windows starts a program with a command line of at most 32,766 units; Wine's
// shell makes it '"<path>" <parameters>'. A selection whose command line
// reaches the limit exactly arrives whole; one unit more is not sent at all,
// rather than reaching LeaderTask cut short and without its exit switch.
TEST_F(ProceduresTest, CommandLineOfTheLimitArrivesWholeAndOneUnitMoreIsNotSent) {
    constexpr std::size_t kLimit = 32766;
    constexpr std::size_t kQuotesAndSpace = 3;
    constexpr std::wstring_view kLinkHead = L"lt://planning_add?{";
    constexpr std::wstring_view kLinkTail = L"}";
    const std::array<BoundaryCase, 2> cases{
        {{"shown", kShownEntry, L""}, {"hidden", kHiddenEntry, L" /exit"}}};
    for (const BoundaryCase& test : cases) {
        SCOPED_TRACE(test.mode);
        const std::size_t letters = kLimit - LeaderTaskPath().size() - kQuotesAndSpace - kLinkHead.size() -
                                    kLinkTail.size() - test.exitSwitch.size();
        const std::u16string text(letters, u'x');
        const std::wstring commandLine = Quoted(LeaderTaskPath()) + L" " + std::wstring(kLinkHead) + L"X" +
                                         std::wstring(letters - 1, L'x') + std::wstring(kLinkTail) +
                                         std::wstring(test.exitSwitch);
        ASSERT_EQ(commandLine.size(), kLimit);

        InstallLeaderTask(Standin::V6952);
        const CallResult whole = RunTextEntry(test.entry, text, MainWindow());
        EXPECT_EQ(whole.answer, 1);
        EXPECT_TRUE(whole.boxes.empty());
        EXPECT_EQ(WaitForReceived(), commandLine);

        InstallLeaderTask(Standin::V6952);
        const CallResult tooLong = RunTextEntry(test.entry, text + u"x", MainWindow());
        EXPECT_EQ(tooLong.answer, 0);
        EXPECT_TRUE(tooLong.boxes.empty());
        EXPECT_EQ(WaitForReceived(std::chrono::seconds(2)), std::nullopt);
    }
}

TEST_F(ProceduresTest, RegisteredPathNamingNoFileFailsTheSave) {
    quorhost::RegisterLeaderTask(LeaderTaskPath() + L".missing");
    const CallResult result = RunTextEntry(kShownEntry, u"buy milk", MainWindow());
    EXPECT_EQ(result.answer, 0);
    EXPECT_TRUE(result.boxes.empty());
}

}  // namespace
}  // namespace quortest
