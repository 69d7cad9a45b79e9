// CPropListBorderGrid: the grid page of a map border's sheet. It chooses which grids the
// border draws (a graticule with intervals in degrees, a kilometre grid in map units) and edits
// each grid's interval, scale ticks and grid lines. Only the settings group of each drawn grid
// is shown; the others are kept detached from the grid and owned by the list meanwhile. Edits
// reach every selected border of the shown border's type name.
#pragma once

#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "planemap/WndLstPlane.h"

class CPropListBorderGrid : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kGridTypeId = 2000,
        kGraticuleGroupId = 2001,
        kMeridianIntervalId = 2002,
        kParallelIntervalId = 2003,
        kGScaleGroupId = 2004,
        kGShowScaleId = 2005,
        kGMajorGroupId = 2006,
        kGFrequencyId = 2007,
        kGMajorLengthId = 2008,
        kGMajorPenId = 2009,  // style 2009, width 2010, colour 2011
        kGMinorGroupId = 2012,
        kGMinorLengthId = 2013,
        kGMinorPenId = 2014,  // 2014 .. 2016
        kGLinesGroupId = 2017,
        kGLineStyleId = 2018,
        kGLinePenId = 2019,  // 2019 .. 2021
        kGCrossLengthId = 2022,
        kKilometerGroupId = 2023,
        kXIntervalId = 2024,
        kYIntervalId = 2025,
        kKScaleGroupId = 2026,
        kKShowScaleId = 2027,
        kKMajorGroupId = 2028,
        kKFrequencyId = 2029,
        kKMajorLengthId = 2030,
        kKMajorPenId = 2031,  // 2031 .. 2033
        kKMinorGroupId = 2034,
        kKMinorLengthId = 2035,
        kKMinorPenId = 2036,  // 2036 .. 2038
        kKLinesGroupId = 2039,
        kKLineStyleId = 2040,
        kKLinePenId = 2041,  // 2041 .. 2043
        kKCrossLengthId = 2044,
    };

    CPropListBorderGrid();
    // Deletes the settings groups that are detached at that moment; the grid deletes the others.
    ~CPropListBorderGrid() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectBorder* Border() const;
    void ShowGroups(const CString& gridType);
    void ApplyShowScale(CBCGPProp* item, CQXObjectBorder* border);
    void ApplyLineStyle(CBCGPProp* item, CQXObjectBorder* border);

    CBCGPProp* m_pGraticuleGroup = nullptr;  // "经纬网设置"
    CBCGPProp* m_pKilometerGroup = nullptr;  // "方里网设置"
};

// ---- the module-wide table of the grid-type names ---------------------------------------------
// Built when the module is loaded and freed when it is unloaded; both are harmless when repeated.
void InitBorderGridTypeNames();
void ReleaseBorderGridTypeNames();
// Name index (0 none, 1 graticule, 2 kilometre grid, 3 both) from the table; the same texts while
// the table is not built. "" outside 0 .. 3.
CString BorderGridTypeName(int index);
// Whether the table is built.
bool IsBorderGridTypeNamesBuilt();

// ---- conversions ------------------------------------------------------------------------------
// The grid-type name of the border's two grid flags (a flag counts as set when it is not 0).
CString GetBorderGridTypeName(CQXObjectBorder* border);
// Sets the two grid flags of every selected border of the border's type name from a grid-type
// name: both are cleared first; an unknown name leaves both cleared.
void ApplyBorderGridType(CQXObjectBorder* border, const CString& name);
// Decimal degrees from an item's text "d:m:s": exactly three parts, each of the digits 0-9 only
// (minutes and seconds may exceed 59). Any other text, or an interval the item could not show
// again as d:m:s (2147483647 degrees or more), gives 0.
double ParseDegMinSec(CBCGPProp* item);
// "无" 0, "网格线" 1, "十字标记" 2, any other text 0 (the style list reads its texts so); and back
// (values other than 1, 2 are "无").
CQXObjectBorder::GridDrawType GridLineStyleFromName(const CString& name);
CString GridLineStyleName(int style);
