// Portable stand-ins for the Win32 character helpers the core relies on
// (CharUpperW on one unit, CharNextW's notion of a character), driven by
// tables generated from UnicodeData.txt. Used when building off Windows.
#pragma once

#include <cstddef>

namespace quor::unicode {

// Upper-case form of one UTF-16 code unit, as CharUpperW maps a one-unit string.
char16_t UpperUnit(char16_t unit) noexcept;

// True when the code point is a combining mark (General_Category Mn, Mc or Me).
bool IsCombiningMark(char32_t codePoint) noexcept;

// Code units in the character at `at` in a null-terminated text: the base (one
// unit, or two for a valid surrogate pair) and every combining mark after it (a
// supplementary mark counts its two units); 0 at the terminator.
std::size_t CharLength(const char16_t* at) noexcept;

}  // namespace quor::unicode
