#include "framework/ModuleFamilies.h"

namespace {

// Constant-initialised, so valid before any static object is built and after all are gone.
ModuleFamily* g_first = nullptr;
ModuleFamily* g_last = nullptr;
bool g_started = false;

}  // namespace

ModuleFamily::ModuleFamily(Hook start, Hook stop) : start_(start), stop_(stop), previous_(g_last) {
    (g_last ? g_last->next_ : g_first) = this;
    g_last = this;
    if (g_started && start_) start_();
}

void StartModuleFamilies() {
    if (g_started) return;
    g_started = true;
    for (ModuleFamily* family = g_first; family; family = family->next_)
        if (family->start_) family->start_();
}

void StopModuleFamilies() {
    if (!g_started) return;
    g_started = false;
    for (ModuleFamily* family = g_last; family; family = family->previous_)
        if (family->stop_) family->stop_();
}

bool AreModuleFamiliesStarted() { return g_started; }
