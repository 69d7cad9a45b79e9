#include "planemap/PropListOilWaterLine.h"

#include <cfloat>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/BoundaryTexts.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kDistributionTypeId = 2001,
    kPenGroupId = boundarypen::kGroupId,
    kFillGroupId = kPlaneFillGroupId,
};

}  // namespace

namespace boundarypen {

CBCGPProp* NewPenGroup() {
    auto* group = new CBCGPProp(grouptext::kLineStyle, kGroupId);
    group->AddSubItem(NewGroupColorProp(grouptext::kColor, geotext::kColorDescription, kColorId, 0));
    auto* style = new CPropStyleCombox(grouptext::kLineStyle, 0, CPropStyleCombox::kLineStyle,
                                       kestrel::kLineSetCommon, boundarytext::kLineStyleDescription, kStyleId);
    style->AllowEdit(FALSE);
    group->AddSubItem(style);
    group->AddSubItem(new CBCGPProp(grouptext::kLineWidth, _variant_t(""), boundarytext::kWidthDescription, kWidthId));
    group->Expand(TRUE);
    return group;
}

void SetPenGroup(CBCGPProp* group, const QXLOGPEN& pen) {
    if (!group) return;
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(0))) colour->SetColor(pen.color);
    if (auto* style = dynamic_cast<CPropStyleCombox*>(group->GetSubItem(1))) {
        UINT value = pen.style;
        style->SetVal(value);
    }
    if (CBCGPProp* width = group->GetSubItem(2)) {
        CString text;
        text.Format("%.2f", pen.width / 100.0);
        width->SetValue(_variant_t(text));
    }
}

bool ReadPenItem(CBCGPProp* item, QXLOGPEN& pen) {
    if (!item) return false;
    switch (item->GetData()) {
    case kStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            pen.style = picker->GetVal();
            return true;
        }
        return false;
    case kWidthId: {
        const double width = crt::Atof(VariantToText(item->GetValue())) * 100;
        // 0 or less, no number, or beyond what the record holds: ignored.
        if (!(width > 0 && width <= FLT_MAX)) return false;
        pen.width = static_cast<float>(width);
        return true;
    }
    case kColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            pen.color = colour->GetColor();
            return true;
        }
        return false;
    default:
        return false;
    }
}

}  // namespace boundarypen

CPropListOWLine::CPropListOWLine() = default;
CPropListOWLine::~CPropListOWLine() = default;

CQXObjectLine* CPropListOWLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListOWLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    // Shows the distribution type; it offers nothing to pick, so it cannot be changed here.
    auto* distribution = new CBCGPProp(boundarytext::kOilWaterType, _variant_t(""), "", kDistributionTypeId);
    distribution->AllowEdit(FALSE);
    m_wndPropList.AddProperty(distribution, TRUE, TRUE);

    m_wndPropList.AddProperty(boundarypen::NewPenGroup(), TRUE, TRUE);

    CBCGPProp* fill = CreateFillProp(boundarytext::kFillGroup, kFillGroupId);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);
    fill->Expand(TRUE);
    return 0;
}

void CPropListOWLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(line->GetTypeName()));
    if (CBCGPProp* distribution = FindItem(kDistributionTypeId)) distribution->SetValue(_variant_t(line->GetName()));
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    boundarypen::SetPenGroup(FindItem(kPenGroupId), pen);
    QXLOGBRUSH brush;
    line->GetLogBrush(&brush);
    if (CBCGPProp* fill = FindItem(kFillGroupId)) SetFillProp(fill, planetext::kAllStyles, brush);
}

LRESULT CPropListOWLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (!item || !line) {
        UpdateView();
        return 0;
    }
    const DWORD_PTR id = item->GetData();
    switch (id) {
    case boundarypen::kStyleId:
    case boundarypen::kWidthId:
    case boundarypen::kColorId:
        ApplyPenItem(line, item);
        break;
    default:
        if (id > kFillGroupId) {
            QXLOGBRUSH brush;
            line->GetLogBrush(&brush);
            ApplyFillSubItem(item, line->GetLayer(), &brush, line->GetTypeName());
        }
        break;
    }
    UpdateView();
    return 0;
}

// Each boundary of the type name keeps its own pen apart from the edited field.
void CPropListOWLine::ApplyPenItem(CQXObjectLine* line, CBCGPProp* item) {
    ForSameTypeObjects<CQXObjectLine>(line->GetLayer(), line->GetTypeName(), [item](CQXObjectLine* same) {
        QXLOGPEN pen;
        same->GetLogPen(&pen);
        if (boundarypen::ReadPenItem(item, pen)) same->SetLogPen(&pen);
    });
}
