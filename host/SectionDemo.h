// The section part of the demo: sample correlation, connection, fence and reservoir sections,
// each object kind opened through its entry and a map layer through CreateLayerProperty, the
// windows printed, and a scripted session of sand, grid and well edits and a layer switch.
#pragma once

#include <ostream>

#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"

class CGridCtrl;
class CWnd;

namespace demo {

// The list of a sheet's page, shown by choosing its tab.
template <class List>
List* ShowPage(CWnd& sheet, int index) {
    if (!platform::ChooseTab(sheet, index)) return nullptr;
    auto* page = dynamic_cast<CWndPag*>(static_cast<CPropWndMgr&>(sheet).GetPage(index));
    return page ? dynamic_cast<List*>(page->GetWndLst()) : nullptr;
}

// The grid's cells row by row ("·" for an empty cell, "*" after an unchangeable one).
void PrintCells(std::ostream& out, CGridCtrl& grid);

void RunSectionDemo(CWnd& frame, CWnd& view, std::ostream& out);

}  // namespace demo
