// CPropListBorder: the frame page of a map border's sheet: extent, outer and inner frame pens,
// frame distance, the fill of the frame band and the title (prefix, stratum, postfix, font,
// offset). Edits reach every selected border of the shown border's type name; the page shows
// values only while exactly one object is selected.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"
#include "planemap/WndLstPlane.h"

class CQXObjectBorder;

class CPropListBorder : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kUnnumberedId = 0,  // "类型" and "边框设置"
        kExtentGroupId = 2000,
        kXFromId = 2001,
        kXToId = 2002,
        kYFromId = 2003,
        kYToId = 2004,
        kOuterPenId = 2005,  // style 2006, width 2007, colour 2008
        kInnerPenId = 2009,  // style 2010, width 2011, colour 2012
        kFrameDistanceId = 2013,
        kTitleGroupId = 2014,
        kPrefixId = 2015,
        kStratumId = 2016,
        kPostfixId = 2017,
        kTitleFontId = 2018,  // face 2019, size 2020, colour 2021
        kTitleOffsetId = 2022,
    };

    CPropListBorder();
    ~CPropListBorder() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectBorder* Border() const;
    bool ApplyExtent(CBCGPProp* item, CQXObjectBorder* border);
    bool ApplyFillItem(CBCGPProp* item, CQXObjectBorder* border);
    void ShowStored(CBCGPProp* item, CQXObjectBorder* border);
    void ApplyStratum(CQXObjectBorder* border, const CString& text);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};

// Moves one edge (node 2 left, 3 right, 4 top, 5 bottom) of every selected border of typeName.
void SetSameTypeBorderExtent(CQXLayer* layer, CQXObject::CONTROLNODE node, double value, const CString& typeName);
// Gives every selected border of typeName the brush of its frame band.
void SetSameTypeBorderBrush(CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName);
