// Turning the user's selected text into a LeaderTask task link.
//
// The preparation trims the text, drops marker prefixes, folds line breaks
// and runs of spaces, upper-cases the first unit and percent-encodes spaces,
// double quotes and control characters, so that the whole link stays one
// argument on LeaderTask's command line. It reads the host's text once, front
// to back, writing straight into a link of the longest length that can reach
// LeaderTask, and stops as soon as the link cannot fit.
#pragma once

#include <string_view>

#include "leadertask/launcher.h"
#include "platform/handles.h"

namespace quor {

inline constexpr std::u16string_view kTaskLinkHead = u"lt://planning_add?{";
inline constexpr std::u16string_view kTaskLinkTail = u"}";

// The link, with room for the exit switch that the launcher may append.
using TaskLink = Parameters;

// Appends the prepared form of text (null-terminated; null counts as empty)
// to out; false, with out overflowed, when it does not fit.
bool PrepareTaskText(const char16_t* text, TaskLink& out);

// Appends "lt://planning_add?{", the prepared text and "}" to link; false,
// with link overflowed, when the link does not fit.
bool BuildTaskLink(const char16_t* text, TaskLink& link);

// Sends a built link to LeaderTask as a new task; false when the link did not
// fit or the shell did not start LeaderTask.
bool SendTextToLT(TaskLink& link, WindowHandle ownerWnd, bool show);

}  // namespace quor
