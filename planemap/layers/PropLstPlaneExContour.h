// CPropLstPlaneExContour: the contour pages' option item with a second button ("..."): while the
// item shows "自定义", the button hands the layer (mode 0, line options) or its fill layer (mode
// 1, fill options) to the map library's own editor; any non-empty value redraws the view. The item
// is a fixed list: the line mode's options stand for their positions; the fill colour template
// takes any text as the template's name.
#pragma once

#include "framework/FixedList.h"
#include "planemap/layers/TwoButtonItem.h"

class CQXLayer;
class CWndLstPlane;

class CPropLstPlaneExContour : public TTwoButtonItem<CFixedListProp> {
public:
    enum ContourMode : int { kLineMode = 0, kFillMode = 1 };

    // Its text stays editable; any text is taken until the page gives the list its options' values
    // and its rule for other texts.
    CPropLstPlaneExContour(const CString& name, CString value, const char* description, DWORD_PTR data, int mode,
                           const CString& caption);

    int GetMode() const { return m_nMode; }
    void SetContourLayer(CQXLayer* layer) { m_pContourLayer = layer; }
    void SetOwner(CWndLstPlane* list) { m_pOwner = list; }

protected:
    void OnSecondButton(const CString& value) override;

private:
    int m_nMode;
    CQXLayer* m_pContourLayer = nullptr;
    CWndLstPlane* m_pOwner = nullptr;
};
