// CPropListPoint: a plane-map point symbol: its type name, its position and its point style.
// Style edits reach every selected point of the type name; position edits the shown point only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPoint;

class CPropListPoint : public CWndLstPlane {
public:
    CPropListPoint();
    ~CPropListPoint() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectPoint* Point() const;
    void RefreshPosition(CQXObjectPoint* point, bool single);
    void RefreshStyle(CQXObjectPoint* point, bool single);
    void ApplySize(CQXObjectPoint* point, CBCGPProp* item);
    void WriteStyle(CQXObjectPoint* point, QXLOGPOINT& style);
};
