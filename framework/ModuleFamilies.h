// The families' module-wide state (tables built once, services looked up once) lives from
// module load to unload. A family says how to start and stop it with one ModuleFamily object at
// namespace scope in its own source file; the module entry knows no family and only calls
// StartModuleFamilies at load and StopModuleFamilies at unload.
#pragma once

#include "framework/Export.h"

class ModuleFamily {
public:
    using Hook = void (*)();
    // Joins the families. Starts at once when the module is already loaded: static objects of
    // a shared module may be built after its load hook has run.
    ModuleFamily(Hook start, Hook stop);
    ModuleFamily(const ModuleFamily&) = delete;
    ModuleFamily& operator=(const ModuleFamily&) = delete;

private:
    friend void StartModuleFamilies();
    friend void StopModuleFamilies();

    // Trivially destructible on purpose: the list stays whole while the module is unloaded at
    // exit, whatever the order in which static objects go.
    Hook start_;
    Hook stop_;
    ModuleFamily* previous_;
    ModuleFamily* next_ = nullptr;
};

// Every family's start, in the order they joined; does nothing when already started.
void StartModuleFamilies();
// Every family's stop, newest first; does nothing when not started.
void StopModuleFamilies();
// Whether the families are started (between load and unload). Exported so that whoever loads the
// shared module can tell that an unload stopped them.
TESSALY_API bool AreModuleFamiliesStarted();
