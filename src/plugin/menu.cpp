// The plug-in's four menu entries: two text commands, a separator and the
// start command. Only entry 1 looks at the world: it is marked unavailable
// while the LeaderTask found now is too old for the hidden mode.
#include <cstddef>

#include "leadertask/locator.h"
#include "plugin/exports.h"
#include "plugin/fields.h"

namespace quor {
namespace {

constexpr std::int32_t kTextCommand = 5;
constexpr std::int32_t kStartCommand = 6;

template <std::size_t C, std::size_t H>
void FillTextEntry(MenuItemInfo& item, const char16_t (&caption)[C], const char16_t (&hint)[H]) {
    WriteField(item.caption, caption);
    WriteField(item.hint, hint);
    WriteField(item.procName, "Text2LTProc");
    WriteField(item.initProcName, "InitText2LTProc");
    item.flags |= kPluginFlag;
    item.itemCode = kTextCommand;
}

std::int32_t FillMenuItem(std::int32_t index, MenuItemInfo& item) {
    switch (index) {
        case 0:
            FillTextEntry(item, u"Save Text To LeaderTask (and show)",
                          u"Save selected text as new task to LeaderTask organizer (and show LT)");
            item.itemParam = 1;
            return 1;
        case 1:
            FillTextEntry(item, u"Save Text To LeaderTask (NOT show)",
                          u"Save selected text as new task to LeaderTask organizer "
                          u"(do NOT show LT; Required LeaderTask 6.9.5.2 or later)");
            if (!CheckLTVersion(nullptr, nullptr)) item.unavailable = 1;
            item.itemParam = 0;
            return 1;
        case 2:
            item.flags |= kPluginFlag;
            return 1;
        case 3:
            WriteField(item.caption, u"Start LeaderTask");
            WriteField(item.hint, u"Start the LeaderTask organizer");
            WriteField(item.procName, "StartLTProc");
            item.flags |= kPluginFlag;
            item.itemCode = kStartCommand;
            return 1;
        default:
            return 0;
    }
}

}  // namespace
}  // namespace quor

std::int32_t QUOR_EXPORT_CALL Quor_GetMenuItemInfo(std::int32_t index, quor::MenuItemInfo* item) {
    if (item == nullptr) return 0;
    return quor::FillMenuItem(index, *item);
}
