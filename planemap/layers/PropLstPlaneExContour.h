// CPropLstPlaneExContour: the contour pages' option item with a second button ("..."): while the
// item shows "自定义", the button hands the layer (mode 0, line options) or its fill layer (mode
// 1, fill options) to the map library's own editor; any non-empty value redraws the view.
#pragma once

#include "planemap/layers/PropLstPlaneEx.h"

class CPropLstPlaneExContour : public CPropLstPlaneEx {
public:
    enum ContourMode : int { kLineMode = 0, kFillMode = 1 };

    CPropLstPlaneExContour(const CString& name, CString value, const char* description, DWORD_PTR data, int mode,
                           const CString& caption);

    void OnClickButtonEx(CPoint point) override;

    void SetContourLayer(CQXLayer* layer) { m_pContourLayer = layer; }
    void SetOwner(CWndLstPlane* list) { m_pOwner = list; }

private:
    CQXLayer* m_pContourLayer = nullptr;
    CWndLstPlane* m_pOwner = nullptr;
};
