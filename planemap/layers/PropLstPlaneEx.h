// CPropLstPlaneEx: an item naming a style template, with two buttons at the end of its row: the
// grid's own button, which drops the list of template names, and a second button ("...") that
// opens the named template in the template library's editor, refills the names when the template
// was renamed, writes the name into the well layer's name or symbol settings and redraws the view.
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"
#include "planemap/layers/TwoButtonItem.h"

class CQXLayer;
class CWndLstPlane;

class TESSALY_API CPropLstPlaneEx : public TTwoButtonItem<CBCGPProp> {
public:
    // Template kinds; the template store's type is the kind plus 3.
    enum Mode : int { kColor = 0, kSize = 1, kPointStyle = 2, kLineStyle = 3, kFillStyle = 4, kFont = 5 };

    CPropLstPlaneEx(const CString& name, int value, const char* description, DWORD_PTR data, int mode,
                    const CString& caption);
    CPropLstPlaneEx(const CString& name, CString value, const char* description, DWORD_PTR data, int mode,
                    const CString& caption);
    ~CPropLstPlaneEx() override;

    // The buttons, OnDrawButtonEX among them, are the two-button item's. A click on the second one:
    // see the header comment; an empty value, a click outside the second button or a name the store
    // does not know change nothing and redraw nothing.
    void OnClickButtonEx(CPoint point) override;

    void SetWellLayer(CQXLayer* layer) { m_pLayer = layer; }
    void SetPlaneProplist(CWndLstPlane* list) { m_pList = list; }
    int GetMode() const { return m_nMode; }

private:
    void WriteTemplateName(const CString& oldName, const CString& newName);

    int m_nMode;
    CQXLayer* m_pLayer = nullptr;
    CWndLstPlane* m_pList = nullptr;
};
