// CPropListCtrlLine: a control line that steers contouring: its value, kept as the line's name,
// and its pen. Pen edits reach every selected line of the type name, the value the shown line.
// geoitems: the pen and colour items the geology lists share.
#pragma once

#include "planemap/PlaneNumbers.h"
#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListCtrlLine : public CWndLstPlane {
public:
    CPropListCtrlLine();
    ~CPropListCtrlLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};

namespace geoitems {

// A width item in millimetres offering count options first, first + step, ... in the format; free
// text allowed.
CBCGPProp* NewWidthItem(const char* name, double first, double step, int count, const char* format, DWORD_PTR id);
// Style picker (redrawn only when the style differs), colour and width (the format of width / 100)
// items from the pen; an item that is missing or of another kind is passed over.
void ShowPen(CBCGPProp* style, CBCGPProp* colour, CBCGPProp* width, const QXLOGPEN& pen, const char* widthFormat);
// The shown line's whole pen, with the field of the edited item changed (position 0 style, 1 width
// typed in millimetres, 2 colour), to every selected line of its type name. False, nothing
// written, when the item's value is refused.
bool ApplyPenItem(CQXObjectLine* line, CBCGPProp* item, int position,
                  planemap::Accept width = planemap::Accept::AnyNumber);
// A colour item's colour (-1 for "自动"); false, color untouched, when the item is no colour item.
bool ReadColor(CBCGPProp* item, COLORREF* color);
// Shows the colour in a colour item; any other item is passed over.
void ShowColor(CBCGPProp* item, COLORREF color);

}  // namespace geoitems
