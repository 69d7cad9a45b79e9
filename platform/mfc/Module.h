// Resources and extension modules. A module image (what a loaded executable or library
// is) gets an instance handle and holds resources: dialog templates here, bitmaps in the
// drawing layer (mfc/Dc.h). An extension module joins the application's resource chain
// through a CDynLinkLibrary; dialog templates are looked up along that chain: the current
// resource handle first, then every library in the order it joined.
//
// Dialog units convert to pixels with one fixed pair of base units for every template,
// whatever its font (nothing is measured headless): 6 px across and 13 px down per base
// unit, that is 1 DLU = 6/4 px across and 13/8 px down, rounded to the nearest pixel
// (halves away from zero).
#pragma once

#include <string>
#include <vector>

#include "mfc/Object.h"
#include "win32/Win32.h"

namespace platform {

// ---- dialog units -----------------------------------------------------------------------
constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;
int DluToPixelsX(int dlu);
int DluToPixelsY(int dlu);
RECT DluRectToPixels(const RECT& dlu);

// ---- dialog templates -------------------------------------------------------------------
struct DialogControlTemplate {
    UINT id = 0;
    std::string className;  // "BUTTON", "EDIT", "STATIC", "COMBOBOX"; any other name makes a plain window
    std::string text;
    DWORD style = 0;  // WS_CHILD is implied
    DWORD exStyle = 0;
    RECT rect{0, 0, 0, 0};  // dialog units, in the dialog's client area
};

struct DialogTemplate {
    UINT id = 0;
    bool extended = false;
    WORD language = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    std::string caption;
    std::string fontFace;
    int fontPointSize = 0;
    int fontWeight = 0;
    bool fontItalic = false;
    BYTE fontCharset = 0;
    std::vector<DialogControlTemplate> controls;

    // Size of the dialog's client area in pixels.
    SIZE PixelSize() const { return SIZE{DluToPixelsX(cx), DluToPixelsY(cy)}; }
};

// ---- module images ------------------------------------------------------------------------
// A new, never reused instance handle for a module image called name.
HINSTANCE LoadModuleImage(const std::string& name);
// The image goes away with its resources; the handle is invalid from now on (also for
// the bitmaps registered under it).
void UnloadModuleImage(HINSTANCE module);
bool IsModuleLoaded(HINSTANCE module);
std::string ModuleImageName(HINSTANCE module);  // "" for an unknown handle

// Registers (or replaces) a dialog template of a loaded module; false for a handle that
// names no loaded module.
bool RegisterDialogTemplate(HINSTANCE module, const DialogTemplate& dialog);
// The template in that module only; NULL when absent.
const DialogTemplate* FindDialogTemplate(HINSTANCE module, UINT id);
// The module that provides template id along the resource chain, NULL when none does.
HINSTANCE FindDialogTemplateModule(UINT id);
// The template found along the resource chain, NULL when none provides it.
const DialogTemplate* FindDialogTemplateInChain(UINT id);

// ---- test hooks ---------------------------------------------------------------------------
// While set, AfxInitExtensionModule answers FALSE (a refused load).
void SetExtensionModuleRefusal(bool refuse);
// Libraries currently in the resource chain.
std::size_t DynLinkLibraryCount();
// Called with a loaded image just before it goes (UnloadModuleImage), so a test can ask a
// library that unloads what state it leaves while its code is still mapped. NULL: none.
using UnloadObserver = void (*)(HINSTANCE module);
void SetUnloadObserver(UnloadObserver observer);
// Clears the refusal and the unload observer and gives the resource handle back to the
// application; modules, their resources and the chain are left alone (a module's image lives
// as long as it is loaded).
void ResetModuleHooks();

}  // namespace platform

// ---- the class library's extension-module interface ---------------------------------------
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// Records the module's handles (TRUE), or answers FALSE when the load is to be refused.
// A record initialised already stays as it is and answers TRUE.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Deletes the module's libraries (so it leaves the resource chain) and clears the record.
// With all = TRUE every library in the chain goes.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);

// A module's place in the resource chain. Made with new by the module's entry; the chain
// owns it and AfxTermExtensionModule deletes it.
class CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system = FALSE);
    ~CDynLinkLibrary() override;
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
};

// The application's own image (created on first use) and the handle resources are loaded
// from first (the application's, unless replaced).
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resource);
