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
// (minutes and seconds may exceed 59). Any other text, or a result too large to hold, gives 0.
double ParseDegMinSec(CBCGPProp* item);
// "无" 0, "网格线" 1, "十字标记" 2, any other text 0; and back (values other than 1, 2 are "无").
CQXObjectBorder::GridDrawType GridLineStyleFromName(const CString& name);
CString GridLineStyleName(int style);
