// CPropListWellNetLine: a connection line of a well net: its pen and arrows. Every edit reaches
// each selected line of the type name: a pen edit gives them the shown line's whole pen with the
// one field changed.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;

class CPropListWellNetLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kPenGroupId = 2001,
        kPenStyleId = 2002,
        kPenWidthId = 2003,
        kPenColorId = 2004,
        kBeginArrowId = 2005,
        kEndArrowId = 2006,
        kArrowSizeId = 2007,
    };

    CPropListWellNetLine();
    ~CPropListWellNetLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
};
