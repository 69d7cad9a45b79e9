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
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kGraticuleGroupId = 2000,
        kGHighFontId = 2001,  // face 2002, size 2003, colour 2004
        kGLowFontId = 2005,   // face 2006, size 2007, colour 2008
        kGXDirectionId = 2009,
        kGYDirectionId = 2010,
        kKilometerGroupId = 2011,
        kKHighFontId = 2012,  // face 2013, size 2014, colour 2015
        kKLowFontId = 2019,   // face 2020, size 2021, colour 2022, then the digits group
        kDigitsGroupId = 2023,
        kXDigitsId = 2024,
        kYDigitsId = 2025,
        kKXDirectionId = 2026,
        kKYDirectionId = 2027,
        kUnitId = 2028,
    };

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
