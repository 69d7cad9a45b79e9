#include "framework/ModuleEntry.h"

#include "framework/ModuleFamilies.h"
#include "mfc/Module.h"

namespace {

AFX_EXTENSION_MODULE g_extensionModule = {FALSE, nullptr};
HINSTANCE g_moduleHandle = nullptr;

}  // namespace

extern "C" BOOL TessalyDllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extensionModule, instance)) return 0;
        new CDynLinkLibrary(g_extensionModule, FALSE);  // owned by the class library
        g_moduleHandle = instance;
        StartModuleFamilies();
    } else if (reason == DLL_PROCESS_DETACH) {
        StopModuleFamilies();
        AfxTermExtensionModule(g_extensionModule, FALSE);
        g_moduleHandle = nullptr;
    }
    return 1;
}

HINSTANCE GetTessalyModuleHandle() { return g_moduleHandle; }
