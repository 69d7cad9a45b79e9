#include "chart/PropListAxis.h"

#include "chart/AxisTexts.h"
#include "chart/PlotItems.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Axis.h"

using namespace chart;

bool IsFixedScale(int scaleType) { return scaleType == 3 || scaleType == 7 || scaleType == 8; }

CPropListAxis::CPropListAxis() = default;
CPropListAxis::~CPropListAxis() = default;

void CPropListAxis::BuildItems(CBCGPPropList& list) {
    list.AddProperty(CreateAxisAttrProp(), TRUE, TRUE);
    list.AddProperty(CreateAxisRangeProp([this] { return TargetAs<IkelAxis>(); }), TRUE, TRUE);
    list.AddProperty(CreateAxisTitleProp(axistext::kTitleGroup), TRUE, TRUE);
    CBCGPProp* line = CreateLineProp(grouptext::kLineStyle, kLineGroupId, false);
    line->Expand(TRUE);
    list.AddProperty(line, TRUE, TRUE);
}

void CPropListAxis::ShowTarget(CBCGPPropList& list) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!axis) return;
    CBCGPProp* attr = list.FindItemByData(kAttrGroupId);
    CBCGPProp* range = list.FindItemByData(kRangeGroupId);
    CBCGPProp* line = list.FindItemByData(kLineGroupId);
    SetAxisAttrProp(axis, attr);
    SetAxisRangeProp(axis, range);
    SetAxisTitleProp(list.FindItemByData(kTitleGroupId), axis);
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
    CBCGPProp* unit = list.FindItemByData(kUnitId);
    if (unit && (axis->GetAxisType() == 3 || axis->GetSpaceType() != 1)) unit->Enable(FALSE);
    if (axis->GetAxisType() == 2) {
        if (CBCGPProp* descend = list.FindItemByData(kDescendId)) descend->Enable(FALSE);
        if (unit) unit->Enable(FALSE);
    }
}

// The edits show a refused number with two decimals, the refresh most of them with one.
bool CPropListAxis::ShowStoredValue(CBCGPProp* item) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!item || !axis) return false;
    QXLOGFONT font;
    axis->GetTitle()->GetFont(&font);
    QXLOGPEN pen;
    axis->GetLogPen(&pen);
    return ShowAxisValueAgain(item, axis) || ShowFixedOf(item, {{kTitleFontSizeId, font.size / numtext::kHundredths},
                                                                {kLineWidthId, pen.width / numtext::kHundredths}});
}

LRESULT CPropListAxis::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!item || !axis) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kScaleTypeId:
        case kLengthId:
        case kPosXId:
        case kPosYId:
            taken = ApplyAxisAttrProp(item, axis);
            break;
        case kDescendId:
        case kAutoRangeId:
        case kMinId:
        case kMaxId:
        case kMajorSpacingId:
        case kMinorDivisionId:
        case kUnitId:
            taken = ApplyAxisRangeProp(item, axis);
            break;
        case kTitleTextId:
            axis->GetTitle()->SetText(ItemText(item).str());
            break;
        case kTitlePosId:
        case kTitleXOffsetId:
        case kTitleYOffsetId:
        case kTitleAngleId:
            taken = ApplyTitlePosProp(item, axis);
            break;
        case kTitleFontFaceId:
        case kTitleFontSizeId:
        case kTitleFontColorId: {
            QXLOGFONT font;
            axis->GetTitle()->GetFont(&font);
            taken = ReadEditedField(item, font);
            if (taken) axis->GetTitle()->SetFont(&font);
            break;
        }
        case kLineStyleId:
        case kLineWidthId:
        case kLineColorId: {
            QXLOGPEN pen;
            axis->GetLogPen(&pen);
            taken = ReadEditedField(item, pen);
            if (taken) axis->SetLogPen(&pen);
            break;
        }
        default:
            break;
    }
    // A refused edit wrote nothing: the view needs no repaint.
    EndEdit(item, taken);
    return 0;
}

// Every refused number of the three groups shows the stored one with two decimals, except an angle
// axis's bound that is no number: that changes nothing.
bool CPropListAxis::ReshowsRefusedText(CBCGPProp* item) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!axis || !IsAxisNumberItem(item)) return false;
    const DWORD_PTR id = item->GetData();
    return !((id == kMinId || id == kMaxId) && axis->GetAxisType() == 3);
}
