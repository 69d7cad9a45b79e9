#include "planemap/layers/PropLstPlaneExContour.h"

#include "framework/PropItems.h"
#include "hosttypes/Parsnip/MapFunc.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "planemap/WndLstPlane.h"
#include "planemap/layers/ContourTexts.h"

CPropLstPlaneExContour::CPropLstPlaneExContour(const CString& name, CString value, const char* description,
                                               DWORD_PTR data, int mode, const CString& caption)
    : TTwoButtonItem(caption, name, _variant_t(value), description, data), m_nMode(mode) {}

// Before the page's first refresh the item knows no layer: the editors are not opened then.
void CPropLstPlaneExContour::OnClickButtonEx(CPoint point) {
    CString value;
    if (!SecondButtonValue(point, &value)) return;
    if (value == contourtext::kCustom && m_pContourLayer) {
        if (GetMode() == kLineMode) {
            m_pContourLayer->ChangeContourLineOption();
        } else if (GetMode() == kFillMode) {
            CQXMap* map = m_pContourLayer->GetMap();
            const CString fillName = CMapFunc::LineFILL_2_Fill_Layer(m_pContourLayer->GetName());
            if (CQXLayer* fill = map ? map->GetLayer(fillName.GetString()) : nullptr) fill->ChangeContourFillOption();
        }
    }
    if (m_pOwner) m_pOwner->UpdateObjFinished();
}
