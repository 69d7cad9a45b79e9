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

bool ApplyWellPathMode(CQXObject* object, bool realTrack) {
    CQXLayer* layer = object ? object->GetLayer() : nullptr;
    CQXObject* selected = layer ? layer->GetSelectedObject(0) : nullptr;
    if (!selected) return false;
    const CString wellName = selected->GetName();
    const CString kind = selected->GetTypeName();
    const int row = CWellDataManager::Instance()->GetWellPosition()->FindData(wellName.GetString());
    if (!kel::plane::CPlaneFunc::IsSlopeWell(row)) return false;
    CQXObjectPolyline* line = kel::plane::CPlaneUtility::ReCalOneWellPathLine(layer, row, kind, realTrack);
    if (!line) return false;
    layer->DeleteObject(selected);
    layer->SetSelectedObject(line, nullptr, nullptr);
    return true;
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
    m_wndPropList.AddProperty(wellitems::NewTrackModeChoice(kTrackModeId), TRUE, TRUE);
    return 0;
}

void CPropListWellPath::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line || !m_pLayer) return;
    const bool single = m_pLayer->GetSelectedObjectCount() == 1;
    SetItemText(FindItem(kTypeId), single ? line->GetTypeName() : CString());
    for (DWORD_PTR id : {kStyleId, kWidthId, kColorId, kTrackModeId})
        if (CBCGPProp* item = FindItem(id)) ShowStored(line, item);
    if (CBCGPProp* mode = FindItem(kTrackModeId)) mode->Enable(single ? TRUE : FALSE);
}

// The line's pen and way of drawing as the refresh shows them; the way only for a lone line.
void CPropListWellPath::ShowStored(CQXObjectLine* line, CBCGPProp* item) {
    if (item->GetData() == kTrackModeId) {
        const bool single = m_pLayer && m_pLayer->GetSelectedObjectCount() == 1;
        const char* shape = line->GetShapeType() == kStraightShape ? welltext::kStraight : welltext::kRealTrack;
        SetItemText(item, single ? CString(shape) : CString());
        return;
    }
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    wellitems::ShowPenField(item, pen, kStyleId, kWidthId, kColorId);
}

// A refused pen field shows the stored pen again; a refused way of drawing shows the text it replaced
// (the line the window shows may already have been rebuilt by the last way taken).
void CPropListWellPath::ShowItemAgain(CBCGPProp* item) {
    if (item && item->GetData() != kTrackModeId)
        if (CQXObjectLine* line = Line()) ShowStored(line, item);
    CWndLstPlane::ShowItemAgain(item);
}

// A pen edit changes only the edited field of every selected line of the type, read from the
// shown line's pen by the group edit (the width item refuses what that edit refuses). A way of
// drawing that rebuilds nothing (a vertical well, a well the position table lacks, a failed
// rebuild) writes nothing and redraws nothing: the item shows the stored value again.
LRESULT CPropListWellPath::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (item && line) {
        const DWORD_PTR id = item->GetData();
        switch (id) {
            case kStyleId:
            case kWidthId:
            case kColorId: {
                QXLOGPEN edited;
                line->GetLogPen(&edited);
                if (!ReadEditedField(item, edited)) break;
                EditPens(line, [&](QXLOGPEN& pen) {
                    if (id == kStyleId)
                        pen.style = edited.style;
                    else if (id == kWidthId)
                        pen.width = edited.width;
                    else
                        pen.color = edited.color;
                });
                break;
            }
            case kTrackModeId: {
                // Any text but "实际轨迹" is the straight line, shown as taken.
                int track = 0;
                if (!ReadFixedList(item, &track)) return 0;
                if (!ApplyWellPathMode(line, track != 0)) {
                    ShowStored(line, item);
                    return 0;
                }
                break;
            }
            default:
                break;
        }
    }
    UpdateView();
    return 0;
}
