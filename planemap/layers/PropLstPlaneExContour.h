// CPropLstPlaneExContour: the contour pages' option item with a second button ("..."): while the
// item shows "自定义", the button hands the layer (mode 0, line options) or its fill layer (mode
// 1, fill options) to the map library's own editor; any non-empty value redraws the view. Its text
// stays editable; the page reads it (a line mode among the options, or any template name).
#pragma once

#include "planemap/layers/TwoButtonItem.h"

class CQXLayer;
class CWndLstPlane;

class CPropLstPlaneExContour : public TTwoButtonItem<CBCGPProp> {
public:
    enum ContourMode : int { kLineMode = 0, kFillMode = 1 };

    CPropLstPlaneExContour(const CString& name, CString value, const char* description, DWORD_PTR data, int mode,
                           const CString& caption);

    // The buttons, OnDrawButtonEX among them, are the two-button item's; a click on the second one
    // is the item's own.
    void OnClickButtonEx(CPoint point) override;

    int GetMode() const { return m_nMode; }
    void SetContourLayer(CQXLayer* layer) { m_pContourLayer = layer; }
    void SetOwner(CWndLstPlane* list) { m_pOwner = list; }

private:
    int m_nMode;
    CQXLayer* m_pContourLayer = nullptr;
    CWndLstPlane* m_pOwner = nullptr;
};
