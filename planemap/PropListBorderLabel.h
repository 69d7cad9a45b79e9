// CPropListBorderLabel: the label page of a map border's sheet: fonts of the high-order and
// low-order label parts and the label directions of each grid, and for the kilometre grid the
// low-order digit counts and the unit. Only the group of each grid the border draws is shown
// (the grids are chosen on the grid page); the others are kept detached and owned by the list
// meanwhile. Edits reach every selected border of the shown border's type name.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectBorder;

class CPropListBorderLabel : public CWndLstPlane {
public:
    CPropListBorderLabel();
    // Deletes the label groups that are detached at that moment; the grid deletes the others.
    ~CPropListBorderLabel() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectBorder* Border() const;
    void RefreshKilometer(CQXObjectBorder* border);
    void RefreshGraticule(CQXObjectBorder* border);

    CBCGPProp* m_pGraticuleGroup = nullptr;  // "经纬网设置"
    CBCGPProp* m_pKilometerGroup = nullptr;  // "方里网设置"
};

// Gives an item without options the options 0, 1, ... maximum as decimal texts; an item that
// has options keeps them.
void FillCountOptions(CBCGPProp* item, unsigned maximum);
