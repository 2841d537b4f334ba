// Turning the user's selected text into a LeaderTask task link.
//
// The preparation trims the text, drops marker prefixes, folds line breaks
// and runs of spaces, upper-cases the first unit and percent-encodes spaces,
// double quotes and control characters, so that the whole link stays one
// argument on LeaderTask's command line. It runs in time linear in the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "plugin/records.h"

namespace quor {

inline constexpr std::u16string_view kTaskLinkHead = u"lt://planning_add?{";
inline constexpr std::u16string_view kTaskLinkTail = u"}";

// The text as it goes between the braces of the task link.
std::u16string PrepareTaskText(std::u16string_view text);

// "lt://planning_add?{" + the prepared text + "}", allocated once, with room
// for spare more units so that a caller can append a switch without copying.
std::u16string BuildTaskLink(std::u16string_view text, std::size_t spare = 0);

// Sends text (null counts as empty) to LeaderTask as a new task; true when
// the shell started LeaderTask.
bool SendTextToLT(const char16_t* text, WindowHandle ownerWnd, bool show);

}  // namespace quor
