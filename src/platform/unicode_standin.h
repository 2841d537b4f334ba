// Portable stand-ins for the Win32 character helpers the core relies on
// (CharUpperW on one unit, CharNextW's notion of a character), driven by
// tables generated from UnicodeData.txt. Used when building off Windows.
#pragma once

#include <cstddef>
#include <string_view>

namespace quor::unicode {

// Upper-case form of one UTF-16 code unit, as CharUpperW maps a one-unit string.
char16_t UpperUnit(char16_t unit) noexcept;

// True when the code point is a combining mark (General_Category Mn, Mc or Me).
bool IsCombiningMark(char32_t codePoint) noexcept;

// Code units in the first character of text: the base (one unit, or two for a valid surrogate pair)
// plus every following combining mark (a supplementary mark counts its two units). 0 for empty text.
std::size_t FirstCharLength(std::u16string_view text) noexcept;

}  // namespace quor::unicode
