// The plug-in loader.
#include "plugin.h"

#include <stdexcept>

#include "text.h"

namespace quorhost {

Plugin::Plugin(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {
    if (module_ == nullptr) {
        throw std::runtime_error("cannot load " + ToUtf8(path) + " (error " + std::to_string(GetLastError()) +
                                 ")");
    }
}

Plugin::Address Plugin::FindAddress(const char* name) const {
    const auto address = reinterpret_cast<Address>(GetProcAddress(module_, name));
    if (address == nullptr) throw std::runtime_error(std::string("the plug-in does not export ") + name);
    return address;
}

}  // namespace quorhost
