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
    CPropListBorder();
    ~CPropListBorder() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectBorder* Border() const;
    void ApplyExtent(CBCGPProp* item, CQXObjectBorder* border);
    void ApplyFillItem(CBCGPProp* item, CQXObjectBorder* border);
    void ApplyStratum(CQXObjectBorder* border, const CString& text);

    CBCGPProp* m_pFillGroup = nullptr;  // owned by the grid
};

// Moves one edge (node 2 left, 3 right, 4 top, 5 bottom) of every selected border of typeName.
void SetSameTypeBorderExtent(CQXLayer* layer, CQXObject::CONTROLNODE node, double value, const CString& typeName);
// Gives every selected border of typeName the brush of its frame band.
void SetSameTypeBorderBrush(CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName);
