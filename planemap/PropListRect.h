// CPropListRect: a rectangle on a plane map (corners may be rounded): position, length, width,
// rotation and corner half-axes of the shown rectangle, and the outline pen and fill, which
// reach every selected object of its type name.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectRect;

class CPropListRect : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kPositionGroupId = 2001,
        kXId = 2002,
        kYId = 2003,
        kRotationId = 2004,
        kLengthId = 2005,
        kWidthId = 2006,
        kCornerAId = 2007,
        kCornerBId = 2008,
        kPenGroupId = 2011,
        kPenStyleId = 2012,
        kPenWidthId = 2013,
        kPenColorId = 2014,
    };

    CPropListRect();
    ~CPropListRect() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectRect* Rect() const;
    void RefreshGeometry(CQXObjectRect* rect);
    void ShowStoredGeometry(CQXObjectRect* rect, CBCGPProp* item);
    void ApplyGeometry(CQXObjectRect* rect, CBCGPProp* item);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
