// Text conversions of the host program: UTF-16 for Windows, UTF-8 for what it
// prints, control characters made visible, and Unix paths shown as Wine shows them.
#pragma once

#include <string>
#include <string_view>

namespace quorhost {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// The plug-in's char16_t text and Windows' wchar_t text hold the same units.
std::wstring ToWide(std::u16string_view text);
std::u16string ToU16(std::wstring_view text);

// text in UTF-8 with every control character drawn as a visible symbol: a line
// feed as "⏎" followed by lineBreak, a tab as "␉", a CR as "␍", and so on.
std::string Visible(std::wstring_view text, std::string_view lineBreak = {});

// "0x2"
std::string Hex(unsigned long long value);

// A path starting with '/' comes from a Linux script: under Wine the Unix root
// is drive Z:, so "/a/b" becomes "Z:\a\b". Any other path is returned as given.
std::wstring WindowsPath(std::wstring_view path);

}  // namespace quorhost
