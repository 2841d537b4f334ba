// The functions the plug-in exports to the host.
//
// Plain undecorated names (see QuorlinkU.def) with the caller-cleans calling
// convention; each returns 1 for handled or success and 0 otherwise. None of
// them allocates memory, throws or can end the process: a failure is the
// export's 0.
#pragma once

#include <cstdint>

#include "plugin/records.h"

#if defined(_WIN32) && !defined(_WIN64)
#define QUOR_EXPORT_CALL __cdecl
#else
#define QUOR_EXPORT_CALL
#endif

extern "C" {

// Answers 1: the plug-in fills the wide-character layouts of the host's
// records. Also exported as AboutProc, which shows nothing.
std::int32_t QUOR_EXPORT_CALL Quor_IsSupportsPluginUnicode();

// Fills the identity record with the display name; 0 when the record is
// missing or declares a size too small for the fields written.
std::int32_t QUOR_EXPORT_CALL Quor_GetPluginInfo(quor::PluginInfo* info);

// Fills the menu entry at index 0 to 3; 0 for any other index.
std::int32_t QUOR_EXPORT_CALL Quor_GetMenuItemInfo(std::int32_t index, quor::MenuItemInfo* item);

// Prepares the call record of a text command.
std::int32_t QUOR_EXPORT_CALL InitText2LTProc(quor::ProcCallInfo* call);

// Saves the record's text as a new LeaderTask task, shown or hidden.
std::int32_t QUOR_EXPORT_CALL Text2LTProc(quor::ProcCallInfo* call);

// Starts LeaderTask.
std::int32_t QUOR_EXPORT_CALL StartLTProc();

}  // extern "C"
