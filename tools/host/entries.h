// Running the plug-in's menu entries as a host does: the entry's description,
// its init procedure on a fresh call record, then its procedure, with every
// message box the calls show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host_records.h"
#include "message_watch.h"
#include "plugin.h"

namespace quorhost {

// What running one entry gave.
struct EntryRun {
    Record item;                             // the entry as the plug-in describes it
    std::optional<std::int32_t> initAnswer;  // when the entry names an init procedure
    std::int32_t initCode = 0;               // the call record after the init procedure
    std::int32_t initFlag = 0;
    std::int32_t answer = 0;
    std::vector<MessageBoxReport> boxes;
};

// Entry index of the plug-in's menu, asked for with a record of zeros, or
// nothing when the plug-in has none there.
std::optional<Record> MenuEntry(const Plugin& plugin, std::int32_t index);

// A call record of zeros holding text, the entry's item parameter and owner;
// text must outlive the record.
Record CallRecord(const std::u16string& text, std::int32_t itemParam, HWND owner);

// Runs entry index: an entry with a call record gets text, the entry's item
// parameter and owner in it. Throws std::runtime_error when the entry names
// no procedure.
EntryRun RunEntry(const Plugin& plugin, std::int32_t index, std::u16string_view text, HWND owner);

}  // namespace quorhost
