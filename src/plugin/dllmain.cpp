// The library's entry point: records the module handle and never refuses to load.
#include <windows.h>

#include "plugin/module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) quor::RecordModuleHandle(instance);
    return TRUE;
}
