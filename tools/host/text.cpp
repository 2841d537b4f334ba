// UTF-8 and UTF-16 conversions with the Windows API, and the visible form of texts.
#include "text.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace quorhost {

std::string ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int units = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), units, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int bytes = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), bytes, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), bytes, out.data(), units);
    return out;
}

std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::u16string ToU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

std::string Visible(std::wstring_view text, std::string_view lineBreak) {
    std::wstring shown;
    std::string out;
    auto flush = [&] {
        out += ToUtf8(shown);
        shown.clear();
    };
    for (wchar_t unit : text) {
        if (unit == L'\n') {
            flush();
            out += "\u23CE";
            out += lineBreak;
        } else if (unit < 0x20) {
            shown.push_back(static_cast<wchar_t>(0x2400 + unit));  // the Control Pictures block
        } else if (unit == 0x7F) {
            shown.push_back(L'\u2421');
        } else {
            shown.push_back(unit);
        }
    }
    flush();
    return out;
}

std::string Hex(unsigned long long value) {
    char text[24];
    std::snprintf(text, sizeof(text), "0x%llX", value);
    return text;
}

std::wstring WindowsPath(std::wstring_view path) {
    if (!path.starts_with(L'/')) return std::wstring(path);
    std::wstring out = L"Z:";
    out += path;
    std::replace(out.begin() + 2, out.end(), L'/', L'\\');
    return out;
}

}  // namespace quorhost
