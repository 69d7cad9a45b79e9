#include "chart/PropListAxis.h"

#include "chart/AxisTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Axis.h"
#include "framework/PropItems.h"

using namespace chart;

bool IsFixedScale(int scaleType) { return scaleType == 3 || scaleType == 7 || scaleType == 8; }

CPropListAxis::CPropListAxis() = default;
CPropListAxis::~CPropListAxis() = default;

int CPropListAxis::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(CreateAxisAttrProp(), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateAxisRangeProp(), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateAxisTitleProp(axistext::kTitleGroup), TRUE, TRUE);
    CBCGPProp* line = CreateLineProp(grouptext::kLineStyle, kLineGroupId, false, kHundredthsNumberRequired);
    line->Expand(TRUE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);
    return 0;
}

void CPropListAxis::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!axis) return;
    CBCGPProp* attr = m_wndPropList.FindItemByData(kAttrGroupId);
    CBCGPProp* range = m_wndPropList.FindItemByData(kRangeGroupId);
    CBCGPProp* line = m_wndPropList.FindItemByData(kLineGroupId);
    SetAxisAttrProp(axis, attr);
    SetAxisRangeProp(axis, range);
    SetAxisTitleProp(m_wndPropList.FindItemByData(kTitleGroupId), axis);
    QXLOGPEN pen;
    axis->GetLogPen(&pen);
    SetLineProp(line, pen);

    const int scale = axis->GetAxisScaleType();
    if (IsFixedScale(scale)) {
        for (CBCGPProp* group : {attr, range}) {
            if (!group) continue;
            EnableAllSubItems(group, FALSE);
            group->Expand(FALSE);
        }
        if (scale == 3 && line) EnableAllSubItems(line, FALSE);
    }
    CBCGPProp* unit = m_wndPropList.FindItemByData(kUnitId);
    if (unit && (axis->GetAxisType() == 3 || axis->GetSpaceType() != 1)) unit->Enable(FALSE);
    if (axis->GetAxisType() == 2) {
        if (CBCGPProp* descend = m_wndPropList.FindItemByData(kDescendId)) descend->Enable(FALSE);
        if (unit) unit->Enable(FALSE);
    }
}

LRESULT CPropListAxis::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!item || !axis) return 0;
    CBCGPProp* group = item->GetParent();
    switch (item->GetData()) {
        case kScaleTypeId:
        case kLengthId:
        case kPosXId:
        case kPosYId:
            ApplyAxisAttrProp(group, axis);
            break;
        case kDescendId:
        case kAutoRangeId:
        case kMinId:
        case kMaxId:
        case kMajorSpacingId:
        case kMinorDivisionId:
        case kUnitId:
            ApplyAxisRangeProp(group, axis);
            break;
        case kTitleTextId:
            axis->GetTitle()->SetText(ItemText(item).str());
            break;
        case kTitlePosId:
        case kTitleXOffsetId:
        case kTitleYOffsetId:
        case kTitleAngleId:
            ApplyTitlePosProp(group, axis);
            break;
        case kTitleFontFaceId:
        case kTitleFontSizeId:
        case kTitleFontColorId: {
            QXLOGFONT font;
            axis->GetTitle()->GetFont(&font);
            if (GetFontProp(group, font)) axis->GetTitle()->SetFont(&font);
            break;
        }
        case kLineStyleId:
        case kLineWidthId:
        case kLineColorId: {
            QXLOGPEN pen;
            axis->GetLogPen(&pen);
            if (GetLineProp(group, pen)) axis->SetLogPen(&pen);
            break;
        }
        default:
            break;
    }
    UpdateView();
    return 0;
}
