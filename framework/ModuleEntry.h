// The module entry: makes the module a class-library extension module of the host, keeps its
// instance handle, through which its bitmaps and page template are found, and starts the
// families' module-wide state at load and stops it at unload (framework/ModuleFamilies.h).
#pragma once

#include "framework/Export.h"
#include "win32/Win32.h"

// The entry the loader calls: process attach (1), detach (0), thread attach/detach.
// Answers 0 (load refused) when the extension module cannot be initialised.
extern "C" TESSALY_API BOOL TessalyDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// The module's instance handle: NULL before attach and after detach.
TESSALY_API HINSTANCE GetTessalyModuleHandle();
