// Import address tables, read from the module's loaded PE image.
#include "import_patch.h"

#include <cstring>
#include <functional>
#include <stdexcept>

namespace quortest {
namespace {

using Function = void (*)();

const std::byte* At(HMODULE module, DWORD rva) { return reinterpret_cast<const std::byte*>(module) + rva; }

// Calls visit(name, entry) for each import by name from dll.
void ForEachImport(HMODULE module, const char* dll,
                   const std::function<void(const char*, Function*)>& visit) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(At(module, static_cast<DWORD>(dos->e_lfanew)));
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* descriptor =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(At(module, directory.VirtualAddress));
         descriptor->Name != 0; ++descriptor) {
        if (_stricmp(reinterpret_cast<const char*>(At(module, descriptor->Name)), dll) != 0) continue;
        const auto* names =
            reinterpret_cast<const IMAGE_THUNK_DATA*>(At(module, descriptor->OriginalFirstThunk));
        auto* entries =
            const_cast<Function*>(reinterpret_cast<const Function*>(At(module, descriptor->FirstThunk)));
        for (; names->u1.AddressOfData != 0; ++names, ++entries) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(
                At(module, static_cast<DWORD>(names->u1.AddressOfData)));
            visit(reinterpret_cast<const char*>(byName->Name), entries);
        }
    }
}

bool Store(Function* entry, Function value) {
    DWORD protection = 0;
    if (!VirtualProtect(entry, sizeof(*entry), PAGE_READWRITE, &protection)) return false;
    *entry = value;
    VirtualProtect(entry, sizeof(*entry), protection, &protection);
    return true;
}

}  // namespace

std::vector<std::string> ImportedNames(HMODULE module, const char* dll) {
    std::vector<std::string> names;
    ForEachImport(module, dll, [&](const char* name, Function*) { names.emplace_back(name); });
    return names;
}

ImportPatch::ImportPatch(HMODULE module, const char* dll, const char* function, Function replacement)
    : entry_(nullptr), original_(nullptr) {
    ForEachImport(module, dll, [&](const char* name, Function* entry) {
        if (std::strcmp(name, function) == 0) entry_ = entry;
    });
    if (entry_ == nullptr) throw std::runtime_error(std::string("the module does not import ") + function);
    original_ = *entry_;
    if (!Store(entry_, replacement))
        throw std::runtime_error("cannot write the import entry of " + std::string(function));
}

ImportPatch::~ImportPatch() { Store(entry_, original_); }

}  // namespace quortest
