// CPropListEllipse: an ellipse or elliptic arc on a plane map: position, axis angle, half-axes,
// arc angles and drawing direction of the shown ellipse, and the outline pen and fill, which
// reach every selected object of its type name.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectCircle;

class CPropListEllipse : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kPositionGroupId = 2001,
        kXId = 2002,
        kYId = 2003,
        kAxisAngleId = 2004,
        kHalfAxisAId = 2005,
        kHalfAxisBId = 2006,
        kStartAngleId = 2007,
        kStopAngleId = 2008,
        kDirectionId = 2009,
        kPenGroupId = 2010,
        kPenStyleId = 2011,
        kPenWidthId = 2012,
        kPenColorId = 2013,
    };

    CPropListEllipse();
    ~CPropListEllipse() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectCircle* Ellipse() const;
    void RefreshGeometry(CQXObjectCircle* ellipse);
    void ShowStoredGeometry(CQXObjectCircle* ellipse, CBCGPProp* item);
    void ApplyGeometry(CQXObjectCircle* ellipse, CBCGPProp* item);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
