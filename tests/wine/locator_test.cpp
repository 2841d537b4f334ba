// LeaderTask's path as the plug-in reads it from the real registry, seen in
// the hidden mode's version message ("LeaderTask Path: ..."), which the
// plug-in shows for any path naming no executable with a version.
#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <span>

#include "host_fixture.h"
#include "registry.h"

namespace quortest {
namespace {

using LocatorTest = WineHostTest;
using namespace std::literals;

constexpr std::wstring_view kPathHead = L"\nLeaderTask Path: ";
constexpr std::wstring_view kPathTail = L"\n\nPlease, use";

void SetValue(DWORD type, std::wstring_view units, std::size_t extraBytes = 0) {
    std::vector<std::byte> data(units.size() * sizeof(wchar_t) + extraBytes, std::byte{0x41});
    std::memcpy(data.data(), units.data(), units.size() * sizeof(wchar_t));
    quorhost::SetLeaderTaskValue(type, data);
}

// A path of the given length in units.
std::wstring LongPath(std::size_t length) { return L"C:\\" + std::wstring(length - 3, L'p'); }

struct LocatorCase {
    const char* name;
    std::function<void()> arrange;
    std::wstring path;
};

TEST_F(LocatorTest, ReadsThePathAsTheRegistryStoresIt) {
    using quorhost::RegisterLeaderTask;
    const std::array<LocatorCase, 9> cases{{
        {"511 units, read whole", [] { RegisterLeaderTask(LongPath(511)); }, LongPath(511)},
        {"512 units, too long", [] { RegisterLeaderTask(LongPath(512)); }, L""},
        {"REG_MULTI_SZ, the first string", [] { SetValue(REG_MULTI_SZ, L"C:\\One.exe\0C:\\Two.exe\0\0"sv); },
         L"C:\\One.exe"},
        {"REG_EXPAND_SZ, unexpanded", [] { SetValue(REG_EXPAND_SZ, L"%SystemRoot%\\LT.exe\0"sv); },
         L"%SystemRoot%\\LT.exe"},
        {"quotes and spaces kept", [] { RegisterLeaderTask(L"\"C:\\Program Files\\Leader Task\\LT.exe\" "); },
         L"\"C:\\Program Files\\Leader Task\\LT.exe\" "},
        {"empty value", [] { RegisterLeaderTask(L""); }, L""},
        {"odd-length REG_BINARY without terminator", [] { SetValue(REG_BINARY, L"C:\\LT.exe", 1); },
         L"C:\\LT.exe"},
        {"key missing", [] {}, L""},
        {"value missing",
         [] {
             RegisterLeaderTask(L"C:\\LT.exe");
             quorhost::DeleteLeaderTaskValue();
         },
         L""},
    }};
    for (const LocatorCase& test : cases) {
        SCOPED_TRACE(test.name);
        quorhost::DeleteLeaderTaskKey();
        test.arrange();
        const CallResult result = RunTextEntry(1, u"buy milk", MainWindow());
        ASSERT_EQ(result.boxes.size(), 1u);
        const std::wstring& text = result.boxes[0].text;
        const std::size_t head = text.find(kPathHead);
        const std::size_t tail = text.rfind(kPathTail);
        ASSERT_NE(head, std::wstring::npos);
        ASSERT_NE(tail, std::wstring::npos);
        EXPECT_EQ(text.substr(head + kPathHead.size(), tail - head - kPathHead.size()), test.path);
    }
}

}  // namespace
}  // namespace quortest
