// Storage of the module handle.
#include "plugin/module.h"

namespace quor {
namespace {

ModuleHandle moduleHandle = nullptr;

}  // namespace

void RecordModuleHandle(ModuleHandle module) { moduleHandle = module; }

ModuleHandle OwnModuleHandle() { return moduleHandle; }

}  // namespace quor
