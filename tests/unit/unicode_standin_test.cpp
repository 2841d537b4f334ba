#include "platform/unicode_standin.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

namespace quor::unicode {
namespace {

TEST(UnicodeStandin, UpperUnitMapsOnlySingleUnitUppercase) {
    struct Case {
        char16_t in;
        char16_t out;
    };
    constexpr Case kCases[] = {
        {u'a', u'A'},     {u'z', u'Z'},     {u'Z', u'Z'},     {u'0', u'0'},
        {u'9', u'9'},     {u' ', u' '},     {0x043A, 0x041A}, {0x0451, 0x0401},
        {0x03C2, 0x03A3}, {0x00DF, 0x00DF}, {0x00FF, 0x0178}, {0xD800, 0xD800},
        {0xDBFF, 0xDBFF}, {0xDC00, 0xDC00}, {0xDFFF, 0xDFFF}, {0xFFFF, 0xFFFF},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(UpperUnit(c.in), c.out) << std::hex << "U+" << static_cast<unsigned>(c.in);
    }
}

TEST(UnicodeStandin, IsCombiningMarkCoversMnMcMe) {
    struct Case {
        char32_t codePoint;
        bool mark;
    };
    constexpr Case kCases[] = {
        {0x0300, true},  {0x0301, true},  {0x036F, true},  {0x20DD, true},
        {0x0903, true},  {0x1D167, true}, {0xE01EF, true}, {0x02FF, false},
        {0x0370, false}, {u'a', false},   {0x00A0, false}, {u' ', false},
        {u'\r', false},  {u'\n', false},  {0xD834, false}, {0x10FFFF, false},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(IsCombiningMark(c.codePoint), c.mark)
            << std::hex << "U+" << static_cast<unsigned>(c.codePoint);
    }
}

TEST(UnicodeStandin, CharLengthSpansBaseAndMarks) {
    constexpr char16_t kLoneHigh[] = {0xD83D, u'x', 0};
    constexpr char16_t kLoneHighAtEnd[] = {0xD83D, 0};
    constexpr char16_t kLoneLowMark[] = {0xDE00, 0x0301, u'x', 0};
    struct Case {
        const char16_t* text;
        std::size_t length;
    };
    const Case kCases[] = {
        {u"", 0},
        {u"ab", 1},
        {u"e\u0301x", 2},
        {u"\u0020\u0301x", 2},
        {u"e\u0301\u20DD\u0903x", 4},
        {u"e\u0301", 2},
        {u"\U0001F600x", 2},
        {u"\U0001F600\u0301", 3},
        {u" \U0001D167x", 3},
        {u"\u0301x", 1},
        {kLoneHigh, 1},
        {kLoneHighAtEnd, 1},
        {kLoneLowMark, 2},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(CharLength(c.text), c.length) << ::testing::PrintToString(std::u16string_view(c.text));
    }
}

}  // namespace
}  // namespace quor::unicode
