// CPropListCtrlLine: a control line that steers contouring: its value, kept as the line's name,
// and its pen. Pen edits reach every selected line of the type name, the value the shown line.
#pragma once

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
    void RefreshPen(CQXObjectLine* line);
};

// The pen items the control-line and boundary lists share.
namespace penitems {

// A "粗细" item offering 0, 0.5, ... 29.5 millimetres in the given format; free text allowed.
CBCGPProp* NewHalfStepWidthItem(const char* format, DWORD_PTR id);
// The pen width (hundredths) of a text in millimetres by the leading-number rule, any sign; false,
// width untouched, for a value the pen record cannot hold.
bool ReadPenWidth(const CString& text, float* width);
// Style, colour and width items from the pen; the width shown with two decimals.
void ShowPen(CBCGPProp* style, CBCGPProp* colour, CBCGPProp* width, const QXLOGPEN& pen);

}  // namespace penitems
