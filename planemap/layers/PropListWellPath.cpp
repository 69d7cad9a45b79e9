#include "planemap/layers/PropListWellPath.h"

#include "framework/PenFontEdits.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Moraine/PlaneUtility.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/LayerTexts.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

namespace {

constexpr int kStraightShape = 2;

// Every selected line of the shown line's type name keeps its own pen but for the changed field.
template <class Change>
void EditPens(CQXObjectLine* shown, Change change) {
    ForSameTypeObjects<CQXObjectLine>(shown->GetLayer(), shown->GetTypeName(), [&](CQXObjectLine* line) {
        QXLOGPEN pen;
        line->GetLogPen(&pen);
        change(pen);
        line->SetLogPen(&pen);
    });
}

}  // namespace

void ApplyWellPathMode(CQXObject* object, bool realTrack) {
    CQXLayer* layer = object ? object->GetLayer() : nullptr;
    CQXObject* selected = layer ? layer->GetSelectedObject(0) : nullptr;
    if (!selected) return;
    const CString wellName = selected->GetName();
    const CString kind = selected->GetTypeName();
    const int row = CWellDataManager::Instance()->GetWellPosition()->FindData(wellName.GetString());
    if (!kel::plane::CPlaneFunc::IsSlopeWell(row)) return;
    CQXObjectPolyline* line = kel::plane::CPlaneUtility::ReCalOneWellPathLine(layer, row, kind, realTrack);
    if (!line) return;
    layer->DeleteObject(selected);
    layer->SetSelectedObject(line, nullptr, nullptr);
}

CPropListWellPath::CPropListWellPath() = default;
CPropListWellPath::~CPropListWellPath() = default;

CQXObjectLine* CPropListWellPath::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListWellPath::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(wellitems::NewReadOnly(planetext::kType, "", kTypeId), TRUE, TRUE);
    CBCGPProp* line = wellitems::NewGroup(layertext::kLineSettings, kLineGroupId);
    line->AddSubItem(wellitems::NewLinePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription, kStyleId));
    line->AddSubItem(NewSizeTextItem(welltext::kWidth, welltext::kWidthDescription, kWidthId,
                                     penfont::HundredthsRule(penfont::Accept::AboveZero)));
    line->AddSubItem(wellitems::NewColor(grouptext::kColor, welltext::kColorDescription, kColorId));
    line->Expand(TRUE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);
    m_wndPropList.AddProperty(wellitems::NewChoice(welltext::kTrackMode, welltext::kTrackModeDescription, kTrackModeId,
                                                   {welltext::kRealTrack, welltext::kStraight}),
                              TRUE, TRUE);
    return 0;
}

void CPropListWellPath::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line || !m_pLayer) return;
    const bool single = m_pLayer->GetSelectedObjectCount() == 1;
    SetItemText(FindItem(kTypeId), single ? line->GetTypeName() : CString());
    wellitems::ShowStyle(FindItem(kStyleId), line->GetLineStyle());
    SetItemText(FindItem(kWidthId), wellitems::Hundredths(line->GetPenSize()));
    ShowColor(FindItem(kColorId), line->GetLineColor());
    CBCGPProp* mode = FindItem(kTrackModeId);
    const char* shape = line->GetShapeType() == kStraightShape ? welltext::kStraight : welltext::kRealTrack;
    SetItemText(mode, single ? CString(shape) : CString());
    if (mode) mode->Enable(single ? TRUE : FALSE);
}

LRESULT CPropListWellPath::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        switch (item->GetData()) {
            case kStyleId: {
                UINT style = 0;
                if (ReadStyle(item, &style)) EditPens(line, [&](QXLOGPEN& pen) { pen.style = style; });
                break;
            }
            case kWidthId: {
                float width = 0;
                if (!penfont::ReadHundredths(ItemText(item), penfont::Accept::AboveZero, &width)) {
                    // Refused: nothing written or redrawn; the item shows the stored width.
                    SetItemText(item, wellitems::Hundredths(line->GetPenSize()));
                    return 0;
                }
                EditPens(line, [&](QXLOGPEN& pen) { pen.width = width; });
                break;
            }
            case kColorId: {
                COLORREF color = 0;
                if (ReadColor(item, &color)) EditPens(line, [&](QXLOGPEN& pen) { pen.color = color; });
                break;
            }
            case kTrackModeId:
                ApplyWellPathMode(line, ItemText(item) == welltext::kRealTrack);
                break;
            default:
                break;
        }
    }
    UpdateView();
    return 0;
}
