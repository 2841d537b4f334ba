// The plug-in's two messages, read from the real dialogs: owned by the host's
// main window whatever window the call record names, titled "Quorlink", with
// the exact text and icon, and dismissed so that the call returns 1.
#include <array>

#include "host_fixture.h"
#include "text.h"

namespace quortest {
namespace {

using MessagesTest = WineHostTest;

void ExpectOneMessage(const CallResult& result, std::uint32_t icon, const std::wstring& text) {
    EXPECT_EQ(result.answer, 1);
    ASSERT_EQ(result.boxes.size(), 1u);
    const quorhost::MessageBoxReport& box = result.boxes[0];
    EXPECT_EQ(box.owner, MainWindow());
    EXPECT_EQ(box.title, L"Quorlink");
    EXPECT_EQ(box.icon, icon);
    EXPECT_TRUE(box.okButtonOnly);
    EXPECT_EQ(box.text, text);
}

TEST_F(MessagesTest, StartWithoutLeaderTaskWarns) {
    ExpectOneMessage(RunStart(), MB_ICONWARNING, L"Cannot get path to LeaderTask organizer.");
}

struct VersionCase {
    Standin leaderTask;
    std::wstring_view version;
};

TEST_F(MessagesTest, HiddenSaveWithOldLeaderTaskNamesItsVersionAndPath) {
    const std::array<VersionCase, 2> cases{{{Standin::V6949, L"6.9.4.9"}, {Standin::NoVersion, L"0.0.0.0"}}};
    for (const VersionCase& test : cases) {
        SCOPED_TRACE(quorhost::ToUtf8(test.version));
        InstallLeaderTask(test.leaderTask);
        ExpectOneMessage(RunTextEntry(1, u"buy milk", OtherWindow()), MB_ICONERROR,
                         L"This command required version LeaderTask 6.9.5.2 or later\n"
                         L"Your version of LeaderTask: " +
                             std::wstring(test.version) + L"\nLeaderTask Path: " + LeaderTaskPath() +
                             L"\n\nPlease, use command with show LT or update Your version of LeaderTask");
    }
}

}  // namespace
}  // namespace quortest
