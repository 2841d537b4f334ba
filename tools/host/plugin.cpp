// The plug-in loader.
#include "plugin.h"

#include <stdexcept>

#include "checked_call.h"
#include "text.h"

namespace quorhost {

Plugin::Plugin(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {
    if (!module_) {
        throw std::runtime_error("cannot load " + ToUtf8(path) + " (error " + std::to_string(GetLastError()) +
                                 ")");
    }
}

std::string Plugin::Format() const {
    const auto* base = reinterpret_cast<const std::byte*>(module_.get());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const WORD magic = nt->OptionalHeader.Magic;
    const std::string format = magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC   ? "PE32"
                               : magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC ? "PE32+"
                                                                        : "unknown format";
    switch (nt->FileHeader.Machine) {
        case IMAGE_FILE_MACHINE_I386:
            return format + ", i386";
        case IMAGE_FILE_MACHINE_AMD64:
            return format + ", x86-64";
        default:
            return format + ", machine " + std::to_string(nt->FileHeader.Machine);
    }
}

Plugin::Address Plugin::Find(const char* name) const {
    const auto address = reinterpret_cast<Address>(GetProcAddress(module_.get(), name));
    if (address == nullptr) throw std::runtime_error(std::string("the plug-in does not export ") + name);
    return address;
}

std::int32_t Plugin::CallAnswer(const char* name) const {
    return CheckedCall(name, reinterpret_cast<AnswerExport>(Find(name)));
}

std::int32_t Plugin::CallWithRecord(const char* name, Record& record) const {
    return CheckedCall(name, reinterpret_cast<RecordExport>(Find(name)), record.data());
}

std::int32_t Plugin::CallMenu(std::int32_t index, Record& item) const {
    const char* name = "Quor_GetMenuItemInfo";
    return CheckedCall(name, reinterpret_cast<MenuExport>(Find(name)), index, item.data());
}

}  // namespace quorhost
