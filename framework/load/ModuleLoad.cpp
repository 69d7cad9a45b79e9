// Loading the shared module maps its image (with its resources) and runs its entry with
// process attach; unloading runs detach and unmaps the image, as the loader does for a
// host's extension module.
#include "framework/ModuleEntry.h"
#include "mfc/Module.h"
#include "resources/ModuleResources.h"

#include <cstdlib>

namespace {

HINSTANCE g_image = nullptr;

void OnModuleUnload() {
    if (!g_image) return;
    TessalyDllMain(g_image, DLL_PROCESS_DETACH, nullptr);
    platform::UnloadModuleImage(g_image);
    g_image = nullptr;
}

// Detach is registered after the platform state the load created, so it runs while that
// state still exists (at exit, or when the module is unloaded).
__attribute__((constructor)) void OnModuleLoad() {
    g_image = LoadTessalyImage();
    if (!TessalyDllMain(g_image, DLL_PROCESS_ATTACH, nullptr)) {
        platform::UnloadModuleImage(g_image);
        g_image = nullptr;
        return;
    }
    std::atexit(OnModuleUnload);
}

}  // namespace
