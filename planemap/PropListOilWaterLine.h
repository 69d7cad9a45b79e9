// CPropListOWLine: a boundary line of an oil-water distribution: its distribution type (its name,
// shown only), its pen and its fill. Pen and fill edits reach every selected line of the type name,
// each keeping its own values apart from the one field edited.
// boundarypen: the pen group the distribution boundary lists share.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

namespace boundarypen {

// The group "线型" and its items, in display order: colour, style picker, width.
enum : DWORD_PTR {
    kGroupId = 2003,
    kStyleId = 2004,
    kWidthId = 2005,
    kColorId = 2006,
};

// The group, expanded.
CBCGPProp* NewPenGroup();
// The line's pen: colour, style (redrawn only when it differs) and width ("%.2f" millimetres) by
// position.
void ShowPenGroup(CBCGPProp* group, CQXObjectLine* line);
// Puts one edited item of the group into pen. A width is taken only when the typed millimetres
// make a stored width above 0 that the record can hold. False when nothing was put.
bool EditPenItem(QXLOGPEN& pen, CBCGPProp* item);

}  // namespace boundarypen

class CPropListOWLine : public CWndLstPlane {
public:
    CPropListOWLine();
    ~CPropListOWLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
