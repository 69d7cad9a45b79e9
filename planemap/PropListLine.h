// CPropListLine: a plane-map line (a polyline): closed state, pen and arrows, the end points,
// length and azimuth of a straight two-point line, and its fill. Pen, arrow, closed-state and
// fill edits reach every selected line of the type name; geometry edits the shown line only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPolyline;

class CPropListLine : public CWndLstPlane {
public:
    CPropListLine();
    ~CPropListLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectPolyline* Line() const;
    void RefreshPosition(CQXObjectPolyline* line);
    // Geometry edits; each answers whether it moved the line.
    bool ApplyEndCoordinate(CQXObjectPolyline* line, CBCGPProp* item);
    bool ApplyLength(CQXObjectPolyline* line, CBCGPProp* item);
    bool ApplyAzimuth(CQXObjectPolyline* line, CBCGPProp* item);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};
