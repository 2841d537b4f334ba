// The plug-in's identity: the Unicode answer, the about command and the
// display name built from the version the host reads from our own module.
#include <string_view>

#include "host/host_services.h"
#include "plugin/decimal.h"
#include "plugin/exports.h"
#include "plugin/fields.h"
#include "plugin/module.h"

namespace quor {
namespace {

constexpr std::u16string_view kProductName = u"Quorlink";

// At its longest: "Quorlink", a space and three "%d" numbers with one point
// between the first two.
using DisplayName = FixedText<kProductName.size() + 1 + kMaxDecimal + 1 + 2 * kMaxDecimal>;

// "Quorlink" followed by the version as "%d.%d%d" of major, minor and release,
// or "Quorlink" alone when the host cannot tell the version.
DisplayName NameFor(ModuleHandle module) {
    DisplayName name;
    name.Append(kProductName);
    ModuleVersionInfo version = BlankVersionInfo();
    if (QueryModuleVersion(module, &version) != 0) {
        name.Append(u' ');
        AppendComponent(name, version.major);
        name.Append(u'.');
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
    if (!quor::CanFill(info)) return 0;
    const quor::DisplayName name = quor::NameFor(quor::OwnModuleHandle());
    info->flags |= quor::kPluginFlag;
    quor::WriteField(info->displayName, name);
    info->infoCode = 4;
    return 1;
}
