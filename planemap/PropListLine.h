// CPropListLine: a plane-map line (a polyline): closed state, pen and arrows, the end points,
// length and azimuth of a straight two-point line, and its fill. Pen, arrow, closed-state and
// fill edits reach every selected line of the type name; geometry edits the shown line only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPolyline;

class CPropListLine : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kClosedId = 2001,
        kPenGroupId = 2002,
        kPenStyleId = 2003,
        kPenWidthId = 2004,
        kPenColorId = 2005,
        kBeginArrowId = 2006,
        kEndArrowId = 2007,
        kArrowSizeId = 2008,
        kPositionGroupId = 2009,
        kStartXId = 2010,
        kStartYId = 2011,
        kEndXId = 2012,
        kEndYId = 2013,
        kLengthId = 2014,
        kAzimuthId = 2015,
    };

    CPropListLine();
    ~CPropListLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void ShowItemAgain(CBCGPProp* item) override;

private:
    enum { kPositionCount = 6 };

    CQXObjectPolyline* Line() const;
    void RefreshPosition(CQXObjectPolyline* line);
    // The position items' values as the refresh shows them; false when the refresh shows none (not
    // one selected straight line).
    bool PositionValues(CQXObjectPolyline* line, double (&values)[kPositionCount]) const;
    void ShowStoredPosition(CQXObjectPolyline* line, CBCGPProp* item);
    // Geometry edits; each answers whether it moved the line (false: nothing written).
    bool ApplyPosition(CQXObjectPolyline* line, CBCGPProp* item);
    bool ApplyEndCoordinate(CQXObjectPolyline* line, CBCGPProp* item);
    bool ApplyLength(CQXObjectPolyline* line, CBCGPProp* item);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
