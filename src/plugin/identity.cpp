// The plug-in's identity: the Unicode answer, the about command and the
// display name built from the version the host reads from our own module.
#include <string>

#include "host/host_services.h"
#include "plugin/decimal.h"
#include "plugin/exports.h"
#include "plugin/fields.h"
#include "plugin/guard.h"
#include "plugin/module.h"

namespace quor {
namespace {

// "Quorlink" followed by the version as "%d.%d%d" of major, minor and release,
// or "Quorlink" alone when the host cannot tell the version.
std::u16string DisplayName(ModuleHandle module) {
    std::u16string name = u"Quorlink";
    ModuleVersionInfo version = BlankVersionInfo();
    if (QueryModuleVersion(module, &version) != 0) {
        name.push_back(u' ');
        AppendComponent(name, version.major);
        name.push_back(u'.');
        AppendComponent(name, version.minor);
        AppendComponent(name, version.release);
    }
    return name;
}

// A record shorter than the fields we write would be filled past its end.
bool CanFill(const PluginInfo* info) { return info != nullptr && info->size >= kPluginInfoFilledSize; }

}  // namespace
}  // namespace quor

std::int32_t QUOR_EXPORT_CALL Quor_IsSupportsPluginUnicode() { return 1; }

std::int32_t QUOR_EXPORT_CALL Quor_GetPluginInfo(quor::PluginInfo* info) {
    return quor::Guarded([&] {
        if (!quor::CanFill(info)) return 0;
        const std::u16string name = quor::DisplayName(quor::OwnModuleHandle());
        info->flags |= quor::kPluginFlag;
        quor::WriteField(info->displayName, std::u16string_view(name));
        info->infoCode = 4;
        return 1;
    });
}
