// The task text and its link: the documented cases, the encoding of quotes
// and control characters, combining marks, the longest link that can reach
// LeaderTask, and agreement with the literal step-by-step model on many
// generated texts, short ones and ones at that limit.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "leadertask/task_text.h"
#include "support/fake_platform.h"
#include "support/reference_task_text.h"
#include "support/task_link_text.h"

namespace quor {
namespace {

std::u16string Link(std::u16string_view body) {
    return std::u16string(u"lt://planning_add?{") + std::u16string(body) + u"}";
}

struct LinkCase {
    std::u16string text;
    std::u16string body;  // what goes between the braces
};

// Texts as a user selects them, and the links LeaderTask receives.
const LinkCase kLinkCases[] = {
    {u"  \r\n buy milk \r\n ", u"Buy%20milk"},
    {u"++ call the bank", u"Call%20the%20bank"},
    {u"!! pay rent", u"Pay%20rent"},
    {u"%% 40 pages", u"40%20pages"},
    {u"== done", u"Done"},
    {u"++ !! %% == x", u"X"},
    {u"== ++ x", u"++%20x"},
    {u"++ ++ x", u"++%20x"},
    {u"++   pay rent", u"%20pay%20rent"},
    {u"++ ", u"++"},
    {u"++\r\npay", u"++%20pay"},
    {u"++ \r\nbuy", u"%20buy"},
    {u"++\u00A0x", u"++\u00A0x"},
    {u"line one\r\nline two", u"Line%20one%20line%20two"},
    {u"a \r\n b", u"A%20b"},
    {u"a \n b", u"A%20%20%20b"},
    {u"a\rb", u"A%20b"},
    {u"a\r\r\nb", u"A%20%20b"},
    {u"a\n\rb", u"A%20%20b"},
    {u"a     b", u"A%20%20b"},
    {u"a      b", u"A%20b"},
    {u"Buy milk", u"Buy%20milk"},
    {u"50% {off} & more", u"50%%20{off}%20&%20more"},
    {u"a%20b", u"A%20b"},
    {u"a}b", u"A}b"},
    {u"купить хлеб", u"Купить%20хлеб"},
    {u" \r\n ", u""},
    {u"", u""},
    // Quotes and control characters are percent-encoded so that the link
    // stays one argument of LeaderTask's command line.
    {u"\tbuy milk", u"%09buy%20milk"},
    {u"say \"hi\"", u"Say%20%22hi%22"},
    {u"x\" /exit \"", u"X%22%20/exit%20%22"},
    {u"a\x01\x1f\x7f", u"A%01%1F\x7f"},
    // Combining marks: a space carrying one is a character that stays; only
    // the first unit is mapped; a surrogate keeps its case.
    {u" \u0301x", u"%20\u0301x"},
    {u"x \u0301", u"X%20\u0301"},
    {u"e\u0301t\u00E9", u"E\u0301t\u00E9"},
    {u"\U0001D41Ex", u"\U0001D41Ex"},
    {u"ёлка", u"Ёлка"},
};

TEST(TaskTextTest, LinksForTypicalSelections) {
    for (const LinkCase& c : kLinkCases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        EXPECT_EQ(test::TaskLinkOf(c.text), Link(c.body));
        EXPECT_EQ(test::PreparedTextOf(c.text), c.body);
    }
}

// Runs of n spaces leave the documented number of spaces.
TEST(TaskTextTest, RunsOfSpacesNarrow) {
    const std::size_t left[] = {1, 1, 1, 1, 2, 1, 2, 2, 2, 2, 3, 2};
    for (std::size_t n = 1; n <= 12; ++n) {
        std::u16string expected = u"A";
        for (std::size_t i = 0; i < left[n - 1]; ++i) expected += u"%20";
        expected += u"b";
        EXPECT_EQ(test::PreparedTextOf(u"a" + std::u16string(n, u' ') + u"b"), expected) << n;
    }
}

// Texts of units that matter to the pipeline, picked at random.
class RandomTexts {
public:
    explicit RandomTexts(std::uint32_t seed) : random_(seed) {}

    std::u16string Pick(std::size_t maxLength) {
        std::u16string text;
        for (std::size_t n = Below(maxLength + 1); n != 0; --n) text += kAlphabet[Below(kAlphabet.size())];
        return text;
    }
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

private:
    static constexpr std::u16string_view kAlphabet = u"  \r\n\r\n+!%=ab\"\t\u0301\u00A0к\U0001F600";
    std::mt19937 random_;
};

// The link the literal model gives, or nothing when it is longer than any
// link that can reach LeaderTask.
std::optional<std::u16string> ReferenceLink(const std::u16string& text) {
    const std::u16string link = Link(test::ReferencePrepareTaskText(text));
    if (link.size() > kMaxParameters) return std::nullopt;
    return link;
}

TEST(TaskTextTest, AgreesWithTheStepByStepModel) {
    RandomTexts texts(20261211);
    for (int round = 0; round < 20000; ++round) {
        const std::u16string text = texts.Pick(24);
        ASSERT_EQ(test::TaskLinkOf(text), ReferenceLink(text)) << ::testing::PrintToString(text);
    }
}

// Near the longest link: a long plain middle between random ends, so that
// the link lands just inside or just outside the limit, and trailing blanks
// decide it now and then.
TEST(TaskTextTest, AgreesWithTheStepByStepModelAtTheLimit) {
    RandomTexts texts(20261212);
    const std::size_t plain = kMaxParameters - kTaskLinkHead.size() - kTaskLinkTail.size() - 40;
    for (int round = 0; round < 300; ++round) {
        const std::u16string text =
            texts.Pick(12) + std::u16string(plain + texts.Below(60), u'w') + texts.Pick(40);
        ASSERT_EQ(test::TaskLinkOf(text), ReferenceLink(text))
            << ::testing::PrintToString(text.substr(0, 12));
    }
}

// The longest link that can reach LeaderTask fits exactly; one unit more
// does not. Trailing blanks cost nothing, however many, but blanks that the
// text goes on after are written, so they can overflow the link.
TEST(TaskTextTest, LinksUpToTheLongestParameterString) {
    const std::size_t most = kMaxParameters - kTaskLinkHead.size() - kTaskLinkTail.size();
    const std::u16string fits = std::u16string(most, u'x');
    ASSERT_EQ(test::TaskLinkOf(fits).value_or(u"").size(), kMaxParameters);
    EXPECT_EQ(test::TaskLinkOf(fits + u"x"), std::nullopt);
    EXPECT_EQ(test::TaskLinkOf(fits + std::u16string(1'000'000, u' ') + u"\r\n"), test::TaskLinkOf(fits));
    EXPECT_EQ(test::TaskLinkOf(std::u16string(1'000'000, u' ') + u"x"), Link(u"X"));
    EXPECT_EQ(test::TaskLinkOf(u"x" + std::u16string(1'000'000, u' ') + u"x"), std::nullopt);
    EXPECT_EQ(test::TaskLinkOf(std::u16string(most - 3, u'x') + u" x"), std::nullopt);
    EXPECT_EQ(test::TaskLinkOf(std::u16string(most - 4, u'x') + u" x").value_or(u"").size(), kMaxParameters);
    EXPECT_EQ(test::TaskLinkOf(u"++" + std::u16string(1'000'000, u' ')), Link(u"++"));
}

class SendTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::world().SetLTPath(u"C:\\LT\\LeaderTask.exe");
    }
    static bool Send(const char16_t* text, WindowHandle owner, bool show) {
        const auto link = std::make_unique<TaskLink>();
        BuildTaskLink(text, *link);
        return SendTextToLT(*link, owner, show);
    }
};

TEST_F(SendTextTest, HandsTheLinkToLeaderTaskInEachMode) {
    const auto owner = reinterpret_cast<WindowHandle>(0x77);
    EXPECT_TRUE(Send(u"  buy milk\r\n", owner, true));
    EXPECT_TRUE(Send(u"  buy milk\r\n", owner, false));
    const auto& calls = fake::world().shellCalls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].parameters, u"lt://planning_add?{Buy%20milk}");
    EXPECT_EQ(calls[1].parameters, u"lt://planning_add?{Buy%20milk} /exit");
    EXPECT_EQ(calls[0].owner, owner);
}

TEST_F(SendTextTest, NullTextIsAnEmptyTask) {
    EXPECT_TRUE(Send(nullptr, nullptr, true));
    ASSERT_EQ(fake::world().shellCalls.size(), 1u);
    EXPECT_EQ(fake::world().shellCalls[0].parameters, u"lt://planning_add?{}");
}

TEST_F(SendTextTest, ReturnsTheLaunchResult) {
    fake::world().shellResult = 2;
    EXPECT_FALSE(Send(u"x", nullptr, true));
    fake::world().registryStatus = 2;
    EXPECT_FALSE(Send(u"x", nullptr, true));
    EXPECT_EQ(fake::world().shellCalls.size(), 1u);
}

TEST_F(SendTextTest, ALinkThatDidNotFitIsNotSent) {
    const std::u16string text(kMaxParameters, u'x');
    EXPECT_FALSE(Send(text.c_str(), nullptr, true));
    EXPECT_TRUE(fake::world().shellCalls.empty());
    EXPECT_TRUE(fake::world().registryReads.empty());
}

}  // namespace
}  // namespace quor
