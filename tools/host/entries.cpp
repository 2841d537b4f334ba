// Menu entries called by name, as the host finds the plug-in's procedures.
#include "entries.h"

#include <stdexcept>

namespace quorhost {

std::optional<quor::MenuItemInfo> MenuEntry(const Plugin& plugin, std::int32_t index) {
    quor::MenuItemInfo item{};
    if (plugin.Find<GetMenuItemInfoFn>("Quor_GetMenuItemInfo")(index, &item) == 0) return std::nullopt;
    return item;
}

EntryRun RunEntry(const Plugin& plugin, std::int32_t index, std::u16string_view text, HWND owner) {
    const std::optional<quor::MenuItemInfo> item = MenuEntry(plugin, index);
    if (!item || item->procName[0] == '\0') {
        throw std::runtime_error("menu entry " + std::to_string(index) + " has no procedure");
    }
    EntryRun run{*item, std::nullopt, 0, 0, 0, {}};
    const MessageBoxWatch watch;
    if (std::string_view(item->procName) == "StartLTProc") {
        run.answer = plugin.Find<BareProcFn>(item->procName)();
    } else {
        const std::u16string terminated(text);
        quor::ProcCallInfo call{};
        call.text = terminated.c_str();
        call.itemParam = item->itemParam;
        call.ownerWnd = owner;
        if (item->initProcName[0] != '\0') {
            run.initAnswer = plugin.Find<CallProcFn>(item->initProcName)(&call);
            run.initCode = call.initCode;
            run.initFlag = call.initFlag;
        }
        run.answer = plugin.Find<CallProcFn>(item->procName)(&call);
    }
    run.boxes = watch.Seen();
    return run;
}

}  // namespace quorhost
