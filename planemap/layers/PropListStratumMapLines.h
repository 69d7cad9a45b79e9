// The lists of a stratum map's boundary lines, shown when one line is selected: CPropListPinchOutLine
// ("砂岩尖灭线"), CPropListValidThickLine ("有效厚度零线") and CPropListOilWaterBorderLine
// ("油水边界线" on a "小层平面图" layer). They show the line's type, its pen and, for pinch-out and
// oil-water border lines, its direction; they share one body and differ by a row of a table: the
// item ids, the direction item, and whether an edit reaches every selected line of the type or the
// shown line only.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPolyline;

// What sets one boundary-line list apart from its siblings.
struct BoundaryLineRules {
    const char* typeName;
    DWORD_PTR groupId, styleId, widthId, colorId;
    DWORD_PTR directionId;             // 0: no direction item
    const char* directionLabel;        // NULL: no direction item
    const char* directionDescription;  // NULL: no direction item
    bool allSelected;                  // edits reach every selected line of the type, not the shown one only
    bool notify;                       // a pen edit ends with each line's change notification
};

class CPropListBoundaryLineBase : public CWndLstPlane {
protected:
    virtual const BoundaryLineRules& Rules() const = 0;

    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectPolyline* ShownLine() const;
    template <class Fn>
    void ForTargets(CQXObjectPolyline* shown, Fn fn);
    void ApplyDirection(CQXObjectPolyline* shown, CBCGPProp* item);
};

class CPropListPinchOutLine : public CPropListBoundaryLineBase {
public:
    enum : DWORD_PTR { kGroupId = 2001, kStyleId = 2002, kWidthId = 2003, kColorId = 2004, kDirectionId = 2006 };

protected:
    const BoundaryLineRules& Rules() const override;
};

class CPropListValidThickLine : public CPropListBoundaryLineBase {
public:
    enum : DWORD_PTR { kGroupId = 2001, kStyleId = 2002, kWidthId = 2003, kColorId = 2004 };

protected:
    const BoundaryLineRules& Rules() const override;
};

class CPropListOilWaterBorderLine : public CPropListBoundaryLineBase {
public:
    enum : DWORD_PTR { kGroupId = 2000, kStyleId = 2001, kWidthId = 2002, kColorId = 2003, kDirectionId = 2005 };

protected:
    const BoundaryLineRules& Rules() const override;
};
