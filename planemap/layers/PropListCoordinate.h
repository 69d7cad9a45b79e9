// CPropListCoordinate: the list of the coordinate system of a map's chart symbols: origin, size,
// axes with their names and lines, trend line, ticks with their ranges and divisions, tick labels
// and grid lines. It edits the shown object only, writing its members directly; every edit marks
// the object modified and has it update itself.
#pragma once

#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "planemap/WndLstPlane.h"

class CPropListCoordinate : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kPlaceGroupId = 2000,
        kOriginXId = 2001,
        kOriginYId = 2002,
        kSizeGroupId = 2003,
        kWidthId = 2004,
        kHeightId = 2005,
        kXAxisGroupId = 2006,
        kXNameId = 2007,
        kXNameFaceId = 2009,
        kXNameSizeId = 2010,
        kXNameColorId = 2011,
        kXAxisStyleId = 2012,
        kXAxisColorId = 2013,
        kXAxisWidthId = 2014,
        kYAxisGroupId = 2015,
        kYNameId = 2016,
        kYNameFaceId = 2018,
        kYNameSizeId = 2019,
        kYNameColorId = 2020,
        kYAxisStyleId = 2021,
        kYAxisColorId = 2022,
        kYAxisWidthId = 2023,
        kTrendGroupId = 2024,
        kTrendStyleId = 2025,
        kTrendColorId = 2026,
        kTrendWidthId = 2027,
        kXTickGroupId = 2028,
        kXMinId = 2029,
        kXMaxId = 2030,
        kXDivisionId = 2031,
        kXTickStyleId = 2032,
        kXTickColorId = 2033,
        kXTickWidthId = 2034,
        kTickLengthId = 2035,
        kYTickGroupId = 2036,
        kYMinId = 2037,
        kYMaxId = 2038,
        kYDivisionId = 2039,
        kYTickStyleId = 2040,
        kYTickColorId = 2041,
        kYTickWidthId = 2042,
        kXLabelGroupId = 2043,
        kXLabelShowId = 2044,
        kXLabelSideId = 2045,
        kXLabelIntervalId = 2046,
        kXLabelFontGroupId = 2047,
        kXLabelFaceId = 2048,
        kXLabelSizeId = 2049,
        kXLabelColorId = 2050,
        kXLabelDecimalsId = 2051,
        kYLabelGroupId = 2052,
        kYLabelShowId = 2053,
        kYLabelSideId = 2054,
        kYLabelIntervalId = 2055,
        kYLabelFontGroupId = 2056,
        kYLabelFaceId = 2057,
        kYLabelSizeId = 2058,
        kYLabelColorId = 2059,
        kYLabelDecimalsId = 2060,
        kGridGroupId = 2061,
        kXGridGroupId = 2062,
        kXGridStyleId = 2063,
        kXGridColorId = 2064,
        kXGridWidthId = 2065,
        kYGridGroupId = 2066,
        kYGridStyleId = 2067,
        kYGridColorId = 2068,
        kYGridWidthId = 2069,
    };

    // Face, size and colour of a font, added to the group, which is then expanded.
    static void AddCoordinateFontItems(CBCGPProp* group, DWORD_PTR faceId, DWORD_PTR sizeId, DWORD_PTR colorId);
    // Style, colour and width of a pen, added to the group, which is then expanded.
    static void AddCoordinateLineItems(CBCGPProp* group, DWORD_PTR styleId, DWORD_PTR colorId, DWORD_PTR widthId);

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM, LPARAM lParam) override;

private:
    CQXObjectCoordinate* Shown() const;
    void ShowLabels(CQXObjectCoordinate& axes);
    // One edit written into the object's members when its value passes the item's test; false,
    // nothing written, when it does not.
    bool ApplyEdit(CQXObjectCoordinate& axes, CBCGPProp* item);
    void ShowStored(CQXObjectCoordinate& axes, CBCGPProp* item);
};
