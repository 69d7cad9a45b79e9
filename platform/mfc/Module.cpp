#include "mfc/Module.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

struct ModuleImage {
    std::string name;
    std::map<UINT, platform::DialogTemplate> dialogs;
};

// Held through leaked pointers so that modules unloading during process exit still find
// them, whatever the order of static destruction.
std::map<HINSTANCE, ModuleImage>& Images() {
    static auto* images = new std::map<HINSTANCE, ModuleImage>;
    return *images;
}

std::vector<CDynLinkLibrary*>& Chain() {
    static auto* chain = new std::vector<CDynLinkLibrary*>;
    return *chain;
}

struct ModuleState {
    HINSTANCE resource = nullptr;
    bool resourceSet = false;
    bool refuseInit = false;
    platform::UnloadObserver unloadObserver = nullptr;
};

ModuleState& State() {
    static auto* state = new ModuleState;
    return *state;
}

// Like the system's MulDiv: the nearest integer, halves away from zero.
int MulDivRound(int value, int mul, int div) {
    const long long n = static_cast<long long>(value) * mul;
    const long long q = (2 * (n < 0 ? -n : n) + div) / (2LL * div);
    return static_cast<int>(n < 0 ? -q : q);
}

}  // namespace

namespace platform {

int DluToPixelsX(int dlu) { return MulDivRound(dlu, kDialogBaseUnitX, 4); }
int DluToPixelsY(int dlu) { return MulDivRound(dlu, kDialogBaseUnitY, 8); }

RECT DluRectToPixels(const RECT& dlu) {
    return RECT{DluToPixelsX(dlu.left), DluToPixelsY(dlu.top), DluToPixelsX(dlu.right), DluToPixelsY(dlu.bottom)};
}

HINSTANCE LoadModuleImage(const std::string& name) {
    // Handles look like image bases and are never reused, so a stale one stays invalid.
    static uintptr_t next = 0x00400000;
    next += 0x00010000;
    HINSTANCE handle = reinterpret_cast<HINSTANCE>(next);
    Images()[handle].name = name;
    return handle;
}

void UnloadModuleImage(HINSTANCE module) {
    if (IsModuleLoaded(module) && State().unloadObserver) State().unloadObserver(module);
    Images().erase(module);
}

bool IsModuleLoaded(HINSTANCE module) { return module && Images().count(module) != 0; }

std::string ModuleImageName(HINSTANCE module) {
    auto it = Images().find(module);
    return it == Images().end() ? std::string() : it->second.name;
}

bool RegisterDialogTemplate(HINSTANCE module, const DialogTemplate& dialog) {
    auto it = Images().find(module);
    if (it == Images().end()) return false;
    it->second.dialogs[dialog.id] = dialog;
    return true;
}

const DialogTemplate* FindDialogTemplate(HINSTANCE module, UINT id) {
    auto it = Images().find(module);
    if (it == Images().end()) return nullptr;
    auto d = it->second.dialogs.find(id);
    return d == it->second.dialogs.end() ? nullptr : &d->second;
}

HINSTANCE FindDialogTemplateModule(UINT id) {
    HINSTANCE first = AfxGetResourceHandle();
    if (FindDialogTemplate(first, id)) return first;
    for (const CDynLinkLibrary* lib : Chain())
        if (lib->m_hResource != first && FindDialogTemplate(lib->m_hResource, id)) return lib->m_hResource;
    return nullptr;
}

const DialogTemplate* FindDialogTemplateInChain(UINT id) {
    HINSTANCE module = FindDialogTemplateModule(id);
    return module ? FindDialogTemplate(module, id) : nullptr;
}

void SetExtensionModuleRefusal(bool refuse) { State().refuseInit = refuse; }

std::size_t DynLinkLibraryCount() { return Chain().size(); }

void SetUnloadObserver(UnloadObserver observer) { State().unloadObserver = observer; }

void ResetModuleHooks() {
    State().refuseInit = false;
    State().unloadObserver = nullptr;
    State().resourceSet = false;
    State().resource = nullptr;
}

}  // namespace platform

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    if (State().refuseInit) return FALSE;
    if (state.bInitialized) return TRUE;
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all) {
    // Deleting a library takes it out of the chain, so work on a copy.
    const std::vector<CDynLinkLibrary*> chain = Chain();
    for (CDynLinkLibrary* lib : chain)
        if (all || lib->m_hModule == state.hModule) delete lib;
    state.bInitialized = FALSE;
    state.hModule = nullptr;
    state.hResource = nullptr;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(system) {
    Chain().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    auto& chain = Chain();
    chain.erase(std::remove(chain.begin(), chain.end(), this), chain.end());
}

HINSTANCE AfxGetInstanceHandle() {
    static HINSTANCE application = platform::LoadModuleImage("application");
    return application;
}

HINSTANCE AfxGetResourceHandle() { return State().resourceSet ? State().resource : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE resource) {
    State().resource = resource;
    State().resourceSet = true;
}
