// Prints a property window as text: the sheet's tabs (the active one marked), then every
// page whose window exists with its list's grid (groups, items, values, options, state).
#pragma once

#include <ostream>

class CWnd;
class CBCGPPropList;

namespace hostapp {

void PrintPropertyWindow(std::ostream& out, CWnd& window);

// The property grid of a pane, a page or a grid itself (NULL when there is none yet).
CBCGPPropList* FindGrid(CWnd& wnd);

}  // namespace hostapp
