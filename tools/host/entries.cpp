// Menu entries called by name, as the host finds the plug-in's procedures.
#include "entries.h"

#include <stdexcept>

namespace quorhost {

std::optional<Record> MenuEntry(const Plugin& plugin, std::int32_t index) {
    Record item(kMenuItemLength);
    if (plugin.CallMenu(index, item) == 0) return std::nullopt;
    return item;
}

Record CallRecord(const std::u16string& text, std::int32_t itemParam, HWND owner) {
    Record call(kProcCallLength);
    call.SetPointer(proc_call::text, text.c_str());
    call.SetI32(proc_call::itemParam, itemParam);
    call.SetPointer(proc_call::ownerWnd, owner);
    return call;
}

EntryRun RunEntry(const Plugin& plugin, std::int32_t index, std::u16string_view text, HWND owner) {
    std::optional<Record> item = MenuEntry(plugin, index);
    const std::string procedure = item ? item->Text8(menu_item::procName) : "";
    if (procedure.empty())
        throw std::runtime_error("menu entry " + std::to_string(index) + " has no procedure");
    const std::string init = item->Text8(menu_item::initProcName);
    EntryRun run{std::move(*item), std::nullopt, 0, 0, 0, {}};
    const MessageBoxWatch watch;
    if (procedure == "StartLTProc") {
        run.answer = plugin.CallAnswer(procedure.c_str());
    } else {
        const std::u16string terminated(text);
        Record call = CallRecord(terminated, run.item.I32(menu_item::itemParam), owner);
        if (!init.empty()) {
            run.initAnswer = plugin.CallWithRecord(init.c_str(), call);
            run.initCode = call.I32(proc_call::initCode);
            run.initFlag = call.I32(proc_call::initFlag);
        }
        run.answer = plugin.CallWithRecord(procedure.c_str(), call);
    }
    run.boxes = watch.Seen();
    return run;
}

}  // namespace quorhost
