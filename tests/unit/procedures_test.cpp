// The command procedures: what the user sees, what LeaderTask is started
// with, and what the host gets back, for each outcome.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "plugin/exports.h"
#include "support/canvas.h"
#include "support/fake_platform.h"

namespace quor {
namespace {

constexpr char16_t kPath[] = u"C:\\Leader Task\\LeaderTask.exe";
const auto kRecordOwner = reinterpret_cast<WindowHandle>(0x3030);
const std::u16string kTooOldHead =
    u"This command required version LeaderTask 6.9.5.2 or later\nYour version of LeaderTask: ";
const std::u16string kTooOldTail =
    u"\n\nPlease, use command with show LT or update Your version of LeaderTask";

std::u16string TooOldMessage(std::u16string_view version, std::u16string_view path) {
    return kTooOldHead + std::u16string(version) + u"\nLeaderTask Path: " + std::u16string(path) +
           kTooOldTail;
}

class ProceduresTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::world().SetLTPath(kPath);
        fake::world().fileVersions[kPath] = fake::Version(6, 9, 5, 2);
    }

    static std::int32_t SaveText(const char16_t* text, std::int32_t itemParam) {
        ProcCallInfo call{};
        call.text = text;
        call.itemParam = itemParam;
        call.ownerWnd = kRecordOwner;
        return Text2LTProc(&call);
    }
};

TEST_F(ProceduresTest, InitWritesOnlyInitCodeAndInitFlag) {
    test::Canvas<ProcCallInfo> canvas;
    EXPECT_EQ(InitText2LTProc(canvas.record()), 1);
    EXPECT_EQ(canvas.record()->initCode, 3);
    EXPECT_EQ(canvas.record()->initFlag, 1);
    EXPECT_EQ(
        canvas.ChangedOutside({{offsetof(ProcCallInfo, initCode), 4}, {offsetof(ProcCallInfo, initFlag), 4}}),
        std::vector<long>{});
    EXPECT_EQ(InitText2LTProc(nullptr), 0);
    EXPECT_EQ(Text2LTProc(nullptr), 0);
}

// Item parameter 1 shows LeaderTask; every other value hides it with the
// exit switch. The launch is owned by the record's window.
TEST_F(ProceduresTest, SavesTheTextInEachMode) {
    const struct {
        std::int32_t itemParam;
        const char16_t* text;
        std::u16string parameters;
    } cases[] = {
        {1, u"  buy milk\r\n", u"lt://planning_add?{Buy%20milk}"},
        {0, u"  buy milk\r\n", u"lt://planning_add?{Buy%20milk} /exit"},
        {2, u"x", u"lt://planning_add?{X} /exit"},
        {-1, u"x", u"lt://planning_add?{X} /exit"},
        {1, nullptr, u"lt://planning_add?{}"},
        {0, nullptr, u"lt://planning_add?{} /exit"},
    };
    for (const auto& c : cases) {
        fake::world().shellCalls.clear();
        EXPECT_EQ(SaveText(c.text, c.itemParam), 1) << c.itemParam;
        ASSERT_EQ(fake::world().shellCalls.size(), 1u);
        EXPECT_EQ(fake::world().shellCalls[0].parameters, c.parameters);
        EXPECT_EQ(fake::world().shellCalls[0].owner, kRecordOwner);
        EXPECT_EQ(fake::world().shellCalls[0].file, kPath);
    }
    EXPECT_TRUE(fake::world().messages.empty());
}

// The hidden mode runs the version gate on every call and, when it fails,
// tells the user why in a message owned by the host's main window.
TEST_F(ProceduresTest, HiddenModeExplainsAMissingOrOldLeaderTask) {
    enum class Setup { NoPath, NoVersion, NoService, TooOld };
    const struct {
        Setup setup;
        std::u16string message;
    } cases[] = {
        {Setup::NoPath, TooOldMessage(u"0.0.0.0", u"")},
        {Setup::NoVersion, TooOldMessage(u"0.0.0.0", kPath)},
        {Setup::NoService, TooOldMessage(u"0.0.0.0", kPath)},
        {Setup::TooOld, TooOldMessage(u"6.9.4.0", kPath)},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.setup == Setup::NoPath) fake::world().registryStatus = 2;
        if (c.setup == Setup::NoVersion) fake::world().fileVersions.clear();
        if (c.setup == Setup::NoService) fake::world().exportsFileVersion = false;
        if (c.setup == Setup::TooOld) fake::world().fileVersions[kPath] = fake::Version(6, 9, 4, 0);

        EXPECT_EQ(SaveText(u"buy milk", 0), 1);
        ASSERT_EQ(fake::world().messages.size(), 1u);
        const fake::MessageCall& message = fake::world().messages[0];
        EXPECT_EQ(message.text, c.message);
        EXPECT_EQ(message.caption, u"Quorlink");
        EXPECT_EQ(message.style, 0x10u);
        EXPECT_EQ(message.owner, fake::world().mainWindow);
        EXPECT_TRUE(fake::world().shellCalls.empty());
    }
}

// The longest message: a path of 511 units and, after a major version too
// old, components that print with a sign and ten digits each.
TEST_F(ProceduresTest, VersionMessageHoldsTheLongestPathAndNumbers) {
    const std::u16string path = u"C:\\" + std::u16string(508, u'p');
    fake::world().SetLTPath(path);
    fake::world().fileVersions[path] = fake::Version(5, 0x80000000u, 0x80000000u, 0x80000000u);
    EXPECT_EQ(SaveText(u"x", 0), 1);
    ASSERT_EQ(fake::world().messages.size(), 1u);
    EXPECT_EQ(fake::world().messages[0].text, TooOldMessage(u"5.-2147483648.-2147483648.-2147483648", path));
}

// A text whose link cannot reach LeaderTask is refused silently; the hidden
// mode's gate still speaks first, whatever the length of the text.
TEST_F(ProceduresTest, TextTooLongForTheCommandLine) {
    const std::u16string text(40'000, u'x');
    EXPECT_EQ(SaveText(text.c_str(), 1), 0);
    EXPECT_EQ(SaveText(text.c_str(), 0), 0);
    EXPECT_TRUE(fake::world().shellCalls.empty());
    EXPECT_TRUE(fake::world().messages.empty());

    fake::world().fileVersions[kPath] = fake::Version(6, 9, 4, 9);
    EXPECT_EQ(SaveText(text.c_str(), 0), 1);
    ASSERT_EQ(fake::world().messages.size(), 1u);
    EXPECT_EQ(fake::world().messages[0].text, TooOldMessage(u"6.9.4.9", kPath));
}

// The host's text is read once, when the call begins: what the host does to
// its buffer while the gate asks it for LeaderTask's version is not seen.
TEST_F(ProceduresTest, TextIsReadBeforeTheGateAsksTheHost) {
    std::u16string text = u"buy milk";
    fake::world().duringFileVersion = [&text] { text = u"sell car"; };
    EXPECT_EQ(SaveText(text.c_str(), 0), 1);
    ASSERT_EQ(fake::world().shellCalls.size(), 1u);
    EXPECT_EQ(fake::world().shellCalls[0].parameters, u"lt://planning_add?{Buy%20milk} /exit");
}

TEST_F(ProceduresTest, ShownModeSkipsTheGate) {
    fake::world().fileVersions[kPath] = fake::Version(1, 0, 0, 0);
    EXPECT_EQ(SaveText(u"x", 1), 1);
    EXPECT_TRUE(fake::world().fileVersionQueries.empty());

    fake::world().registryStatus = 2;
    EXPECT_EQ(SaveText(u"x", 1), 0);
    EXPECT_TRUE(fake::world().messages.empty());
}

TEST_F(ProceduresTest, ShellFailureReturnsZeroSilently) {
    fake::world().shellResult = 2;
    EXPECT_EQ(SaveText(u"x", 1), 0);
    EXPECT_EQ(SaveText(u"x", 0), 0);
    EXPECT_EQ(StartLTProc(), 0);
    EXPECT_TRUE(fake::world().messages.empty());
}

TEST_F(ProceduresTest, StartOpensLeaderTaskBareUnderTheMainWindow) {
    fake::world().fileVersions[kPath] = fake::Version(1, 0, 0, 0);
    EXPECT_EQ(StartLTProc(), 1);
    ASSERT_EQ(fake::world().shellCalls.size(), 1u);
    const fake::ShellCall& call = fake::world().shellCalls[0];
    EXPECT_EQ(call.file, kPath);
    EXPECT_EQ(call.parameters, std::nullopt);
    EXPECT_EQ(call.owner, fake::world().mainWindow);
    EXPECT_TRUE(fake::world().fileVersionQueries.empty());
}

TEST_F(ProceduresTest, StartWithoutPathWarns) {
    fake::world().registryStatus = 2;
    EXPECT_EQ(StartLTProc(), 1);
    ASSERT_EQ(fake::world().messages.size(), 1u);
    const fake::MessageCall& message = fake::world().messages[0];
    EXPECT_EQ(message.text, u"Cannot get path to LeaderTask organizer.");
    EXPECT_EQ(message.caption, u"Quorlink");
    EXPECT_EQ(message.style, 0x30u);
    EXPECT_EQ(message.owner, fake::world().mainWindow);
    EXPECT_TRUE(fake::world().shellCalls.empty());
}

// A host without services: messages have no owner, the bare start has a null
// owner, and the hidden mode cannot learn the version.
TEST_F(ProceduresTest, HostWithoutServices) {
    fake::world().exportsMainWnd = false;
    fake::world().exportsFileVersion = false;
    EXPECT_EQ(StartLTProc(), 1);
    ASSERT_EQ(fake::world().shellCalls.size(), 1u);
    EXPECT_EQ(fake::world().shellCalls[0].owner, nullptr);

    EXPECT_EQ(SaveText(u"x", 0), 1);
    fake::world().registryStatus = 2;
    EXPECT_EQ(StartLTProc(), 1);
    ASSERT_EQ(fake::world().messages.size(), 2u);
    EXPECT_EQ(fake::world().messages[0].owner, nullptr);
    EXPECT_EQ(fake::world().messages[0].text, TooOldMessage(u"0.0.0.0", kPath));
    EXPECT_EQ(fake::world().messages[1].owner, nullptr);
}

}  // namespace
}  // namespace quor
