// Host services, resolved by name on every call.
#include "host/host_services.h"

#include "platform/platform.h"

namespace quor {
namespace {

template <typename Fn>
Fn FindService(const char* name) {
    return reinterpret_cast<Fn>(platform::FindHostService(name));
}

}  // namespace

WindowHandle GetHostMainWnd() {
    auto service = FindService<HostMainWndFn>("HST_GetMainWnd");
    return service != nullptr ? service() : nullptr;
}

std::int32_t QueryFileVersion(const char16_t* path, ModuleVersionInfo* info) {
    if (info == nullptr) return 0;
    auto service = FindService<HostFileVersionFn>("HST_GetModuleVersionInfo");
    return service != nullptr ? service(path, info) : 0;
}

std::int32_t QueryModuleVersion(ModuleHandle module, ModuleVersionInfo* info) {
    auto service = FindService<HostModuleVersionFn>("HST_GetModuleVersionInfoEx");
    return service != nullptr ? service(module, info) : 0;
}

}  // namespace quor
