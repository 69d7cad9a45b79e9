// The user's hands on a property grid. Every action goes through the window messages and
// in-place windows a real user's action would cause (clicks on the grid, keys, picks in the
// drop-down, the colour pop-up, the date control), so the grid's and the items' handlers,
// the notification and the owner's write-back all run. Each action answers whether the user
// could do it; an edit the grid refuses is abandoned with Escape, as a user would.
#pragma once

#include <string>
#include <vector>

#include "bcg/Bcg.h"

namespace platform {

class GridDriver {
public:
    explicit GridDriver(CBCGPPropList* grid) : grid_(grid) {}
    CBCGPPropList* Grid() const { return grid_; }

    // ---- finding ----------------------------------------------------------------------------
    CBCGPProp* FindByData(DWORD_PTR data) const;
    // Captions from the top level down, separated by '/' ("标题/字体/大小"); first match.
    CBCGPProp* FindByPath(const std::string& path) const;
    // Positions from the top level down ({1, 0}: first sub-item of the second top-level item).
    CBCGPProp* FindByPosition(const std::vector<int>& positions) const;
    // Every item in the grid, depth-first in display order (hidden and collapsed ones too).
    std::vector<CBCGPProp*> AllItems() const;

    // ---- actions ----------------------------------------------------------------------------------
    // Click on the item's name cell (right end, away from any check box).
    bool Select(CBCGPProp* item);
    // Click in the value cell: the item's editor opens and stays open (true when it is open). The
    // other actions act on an editor already open, so code may write into the item meanwhile.
    bool OpenEditor(CBCGPProp* item);
    // Click in the value cell, type text into the editor, press Enter.
    bool TypeText(CBCGPProp* item, const std::string& text);
    // Open the item's drop-down and pick option k (or the option with that text).
    bool PickOption(CBCGPProp* item, int k);
    bool PickOption(CBCGPProp* item, const std::string& option);
    // Open the item's drop-down (whatever CreateCombo made) and pick entry k, or the entry whose
    // text is text (false, nothing picked, when there is none).
    bool PickDropDownEntry(CBCGPProp* item, int k);
    bool PickDropDownEntry(CBCGPProp* item, const std::string& text);
    // The colour pop-up of a colour item: a colour, the automatic button, the other button
    // whose dialog answers dialogColor.
    bool ChooseColor(CBCGPColorProp* item, COLORREF color);
    bool ChooseAutomatic(CBCGPColorProp* item);
    bool ChooseOther(CBCGPColorProp* item, COLORREF dialogColor);
    // Open the date editor, set the date, press Enter.
    bool PickDate(CBCGPDateTimeProp* item, const COleDateTime& date);
    // Click in the item's button area: at the centre, at its left end (first of two buttons),
    // at its right end (second), or at a given list point.
    bool ClickButton(CBCGPProp* item);
    bool ClickFirstButton(CBCGPProp* item);
    bool ClickSecondButton(CBCGPProp* item);
    bool ClickAt(CBCGPProp* item, CPoint point);
    bool RightClickValue(CBCGPProp* item);
    bool RightClickName(CBCGPProp* item);
    // Click / double-click on the name cell; offset from the cell's top-left (default: right end).
    bool ClickName(CBCGPProp* item);
    bool ClickNameAt(CBCGPProp* item, CPoint offset);
    bool DoubleClickName(CBCGPProp* item);
    bool DoubleClickNameAt(CBCGPProp* item, CPoint offset);
    // Select the item (when it is not) and type one character on the grid (WM_CHAR).
    bool TypeChar(CBCGPProp* item, UINT ch);
    // Keys and scrolling on the grid window.
    void PressKey(UINT vk);
    void Scroll(UINT code, UINT pos = 0);

    // ---- reading ----------------------------------------------------------------------------------
    struct ItemInfo {
        std::string name;
        std::string value;  // the displayed text (GetShownText)
        std::string description;
        std::vector<std::string> options;
        bool group = false;
        bool enabled = true;
        bool shown = true;
        bool expanded = true;
        bool allowEdit = true;
        VARTYPE type = VT_EMPTY;
        DWORD_PTR data = 0;
        int level = 0;
    };
    static ItemInfo Info(CBCGPProp* item);
    // One line per item, two blanks of indent per level:
    //   name = value [opt1|opt2] (disabled) (hidden) (collapsed) (read-only)
    // Plain groups show no " = value" part. Hidden and collapsed items are listed too.
    std::string Dump() const;
    static std::string DumpLine(CBCGPProp* item);

private:
    // Makes the row reachable: parents opened (as the user clicks their boxes) and scrolled
    // into view. False for an item not in the grid or hidden.
    bool Reveal(CBCGPProp* item);
    void SendMouse(UINT message, CPoint point);
    CPoint ValuePoint(CBCGPProp* item) const;
    CPoint NamePoint(CBCGPProp* item) const;
    // Escape when an edit is still open; answers whether one was.
    bool AbandonEdit();
    bool OpenPopup(CBCGPColorProp* item);
    // Picks entry k of the open editor's drop-down (false, the edit abandoned, when there is none).
    bool PickOpenEntry(CBCGPProp* item, int k);

    CBCGPPropList* grid_;
};

}  // namespace platform
