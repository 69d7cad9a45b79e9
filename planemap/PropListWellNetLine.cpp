#include "planemap/PropListWellNetLine.h"

#include <cfloat>
#include <cmath>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kPenGroupId = 2001,
    kPenStyleId = 2002,
    kPenWidthId = 2003,
    kPenColorId = 2004,
    kBeginArrowId = 2005,
    kEndArrowId = 2006,
    kArrowSizeId = 2007,
};

// Any typed width is taken (no number reads as 0); false only for one the pen record cannot hold.
bool ReadWidth(const CString& text, float* width) {
    const double value = crt::Atof(text);
    if (!(std::fabs(value) <= FLT_MAX / 100)) return false;
    *width = static_cast<float>(value) * 100;
    return true;
}

}  // namespace

CPropListWellNetLine::CPropListWellNetLine() = default;
CPropListWellNetLine::~CPropListWellNetLine() = default;

CQXObjectLine* CPropListWellNetLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListWellNetLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(""), planetext::kType, kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(grouptext::kLineStyle, kPenGroupId, true);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    pen->Expand(TRUE);
    return 0;
}

void CPropListWellNetLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(line->GetTypeName()));
    CBCGPProp* group = FindItem(kPenGroupId);
    if (!group) return;
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    SetLineSubItems(group, 0, pen);
    // Only polylines carry arrows.
    if (auto* polyline = dynamic_cast<CQXObjectPolyline*>(line)) SetArrowLineProp(group, polyline);
}

LRESULT CPropListWellNetLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (!item || !line) {
        UpdateView();
        return 0;
    }
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    const DWORD_PTR id = item->GetData();
    switch (id) {
    case kPenStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            pen.style = picker->GetVal();
            ApplyPen(line, pen);
        }
        break;
    case kPenWidthId:
        if (ReadWidth(VariantToText(item->GetValue()), &pen.width)) ApplyPen(line, pen);
        break;
    case kPenColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            pen.color = colour->GetColor();
            ApplyPen(line, pen);
        }
        break;
    case kBeginArrowId:
    case kEndArrowId:
    case kArrowSizeId:
        ApplyArrowProp(item, line, static_cast<int>(id - kBeginArrowId));
        break;
    default:
        break;
    }
    UpdateView();
    return 0;
}

// Every selected line of the type name takes the shown line's whole pen.
void CPropListWellNetLine::ApplyPen(CQXObjectLine* line, QXLOGPEN& pen) {
    SetSameTypeObjects(line->GetLayer(), &CQXObjectLine::SetLogPen, &pen, line->GetTypeName());
}
