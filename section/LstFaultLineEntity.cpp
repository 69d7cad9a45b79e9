#include "section/LstFaultLineEntity.h"

#include "framework/ChangeCheckers.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"

using KelReservoir::Fault::CkelFaultLine;
using namespace sectiontext;
using namespace section;

namespace KelReservoir::UI {

namespace {

// The dip angle is a two-point line's: only such a line takes one.
constexpr int kDipLinePoints = 2;

// A normal fault only for "正断层"; permeable for any text but "封闭".
const TextValue kKinds[] = {{kNormalFault, 1}, {kReverseFault, 0}};
const TextValue kSealings[] = {{kSealingFault, 0}, {kPermeableFault, 1}};

const char* KindText(bool normal) { return TextOfValue(kKinds, normal ? 1 : 0, ""); }
const char* SealingText(bool permeable) { return TextOfValue(kSealings, permeable ? 1 : 0, ""); }

void SetFloat(CBCGPProp* item, double value) {
    if (auto* number = dynamic_cast<CBCGPropFloat*>(item)) number->SetValue(_variant_t(value));
}

}  // namespace

CLstFaultLineEntity::CLstFaultLineEntity(CkelFaultLine* line) : m_pLine(line) {}
CLstFaultLineEntity::~CLstFaultLineEntity() = default;

int CLstFaultLineEntity::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* properties = NewGroupItem(kFaultLineProperties, kPropertiesId, true);
    properties->AddSubItem(NewTextValueItem(kName, "", nullptr, kNameId, true));
    properties->AddSubItem(NewList(kFaultKind, "", nullptr, kKindId, kKinds, OtherTakenAs(0)));
    properties->AddSubItem(NewFloatItem(kMaxThrow, 0.0, 2, false, "", kThrowId, ItemNumberRule()));
    CBCGPProp* angle = NewFloatItem(kDipAngle, 0.0, 2, true, "", kDipAngleId, ItemNumberRule());
    CQXObjectPolyline* polyline = m_pLine ? m_pLine->GetImp() : nullptr;
    angle->Enable(polyline && polyline->GetPointCount() == kDipLinePoints ? TRUE : FALSE);
    properties->AddSubItem(angle);
    properties->AddSubItem(NewList(kSealing, "", nullptr, kSealingId, kSealings, OtherTakenAs(1)));
    properties->AddSubItem(NewFloatItem(kBreakDepth, 0.0, 2, false, "", kBreakDepthId, nullptr));  // shown only
    m_wndPropList.AddProperty(properties, TRUE, TRUE);
    CBCGPProp* pen = CreateLineFloatProp(kDisplayProperties, kPenId);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    return 0;
}

void CLstFaultLineEntity::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pLine) return;
    if (!CProChangedChecker(m_pLine, this)()) return;
    if (CBCGPProp* properties = Item(kPropertiesId)) ShowProperties(properties);
    EnableLineProp(Item(kPenId), m_pLine->GetLogPen(), true);
}

void CLstFaultLineEntity::ShowProperties(CBCGPProp* group) {
    SetItemText(group->GetSubItem(0), m_pLine->GetName().c_str());
    SetItemText(group->GetSubItem(1), KindText(m_pLine->GetNoraml()));
    SetFloat(group->GetSubItem(2), m_pLine->GetRealDistance());
    SetFloat(group->GetSubItem(3), m_pLine->GetAngle());
    SetItemText(group->GetSubItem(4), SealingText(m_pLine->GetPermeable()));
    auto* depth = dynamic_cast<CBCGPropFloat*>(group->GetSubItem(5));
    if (!depth) return;
    const bool overWell = m_pLine->GetOverWell();
    depth->Show(overWell ? TRUE : FALSE);
    if (!overWell) return;
    // The depth of the first point where the line breaks a well; none without such a point.
    KelReservoir::Fault::CkelFaultWellPoint* point =
        m_pLine->GetWellPointManager().GetNum() > 0 ? &m_pLine->GetWellPointManager().GetObj(0) : nullptr;
    IkelWellAdapter* well = point ? point->GetWell() : nullptr;
    if (well)
        depth->SetValue(_variant_t(well->MapY2Depth(point->GetPoint().y)));
    else
        SetItemText(depth, "");
}

LRESULT CLstFaultLineEntity::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pLine) return 0;
    if (item && !Edit(item)) {
        ShowItemAgain(item);
        return 0;
    }
    RedrawReservoirOf(m_pLine->GetManager());
    return 0;
}

void CLstFaultLineEntity::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pLine) return;
    ShowStoredValueOf(item, {{kThrowId, m_pLine->GetRealDistance()},
                             {kDipAngleId, m_pLine->GetAngle()},
                             {kPenWidthId, m_pLine->GetLogPen().width / 100.0}});
}

bool CLstFaultLineEntity::Edit(CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    double number = 0;
    switch (id) {
        case kNameId:
            m_pLine->SetName(ItemText(item).str());
            break;
        case kKindId:
            m_pLine->SetNoraml(ReadYesNo(item));
            m_pLine->Update();
            break;
        case kThrowId:
            if (!ReadItemNumber(item, 1.0, &number)) return false;
            m_pLine->SetDistance(number);
            m_pLine->Update();
            break;
        case kDipAngleId:
            if (!ReadItemNumber(item, 1.0, &number)) return false;
            m_pLine->SetAngle(number);
            m_pLine->Update();
            break;
        case kSealingId:
            m_pLine->SetPermeable(ReadYesNo(item));
            m_pLine->Update();
            m_pLine->ProChanged();
            break;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            return EditObjectPen(*m_pLine, item);
        default:
            break;
    }
    return true;
}

}  // namespace KelReservoir::UI
