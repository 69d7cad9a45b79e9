#include "planemap/PropListPoint.h"

#include <cfloat>
#include <cmath>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsFill.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kPositionGroupId = 2001,
    kXId = 2002,
    kYId = 2003,
    kStyleGroupId = 2004,
    kStyleId = 2005,
    kSizeId = 2006,
    kBorderColorId = 2007,
    kInnerColorId = 2008,
};

const char kPointKind[] = "点";
const char kStyleGroup[] = "点型";

CString TwoDecimals(double value) {
    CString text;
    text.Format("%.2f", value);
    return text;
}

// Shows one object's number, or an empty disabled item while several objects are selected.
void ShowSingleValue(CBCGPProp* item, double value, bool single) {
    if (!item) return;
    item->SetValue(_variant_t(single ? TwoDecimals(value) : CString()));
    item->Enable(single);
}

}  // namespace

CPropListPoint::CPropListPoint() = default;
CPropListPoint::~CPropListPoint() = default;

CQXObjectPoint* CPropListPoint::Point() const { return dynamic_cast<CQXObjectPoint*>(m_pTarget); }

int CPropListPoint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(kPointKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* position = new CBCGPProp(planetext::kPosition, kPositionGroupId);
    position->AddSubItem(new CBCGPProp(planetext::kX, _variant_t(""), planetext::kXDescription, kXId));
    position->AddSubItem(new CBCGPProp(planetext::kY, _variant_t(""), planetext::kYDescription, kYId));
    position->Expand(TRUE);
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* style = CreatePointProp(kStyleGroup, kStyleGroupId);
    style->Expand(TRUE);
    m_wndPropList.AddProperty(style, TRUE, TRUE);
    return 0;
}

void CPropListPoint::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectPoint* point = Point();
    if (!point) return;
    const bool single = GetSelectionCount() == 1;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(point->GetTypeName()));
    RefreshPosition(point, single);
    RefreshStyle(point, single);
}

void CPropListPoint::RefreshPosition(CQXObjectPoint* point, bool single) {
    CBCGPProp* group = FindItem(kPositionGroupId);
    if (!group) return;
    QXPOINT p;
    point->GetAnchor(&p);
    ShowSingleValue(group->GetSubItem(0), p.x, single);
    ShowSingleValue(group->GetSubItem(1), p.y, single);
}

// The colours stay meaningful for several points: the edit writes them to all of them.
void CPropListPoint::RefreshStyle(CQXObjectPoint* point, bool single) {
    CBCGPProp* group = FindItem(kStyleGroupId);
    if (!group) return;
    QXLOGPOINT style;
    point->GetLogPoint(&style);
    SetPointProp(group, style);
    ShowSingleValue(group->GetSubItem(1), style.size / 100.0, single);
}

LRESULT CPropListPoint::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectPoint* point = Point();
    if (!item || !point) {
        UpdateView();
        return 0;
    }
    QXLOGPOINT style;
    point->GetLogPoint(&style);

    switch (item->GetData()) {
    case kXId:
    case kYId:
        ApplyCoordinate(point, item, item->GetData() == kXId);
        break;
    case kStyleId:
        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
            style.style = picker->GetVal();
            WriteStyle(point, style);
        }
        break;
    case kSizeId:
        ApplySize(point, item);
        break;
    case kBorderColorId:
    case kInnerColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            (item->GetData() == kBorderColorId ? style.borderColor : style.innerColor) = colour->GetColor();
            WriteStyle(point, style);
        }
        break;
    default:
        break;
    }
    UpdateSameTypeObjects(point->GetLayer(), point->GetTypeName());
    UpdateView();
    return 0;
}

// A coordinate that is not a number is ignored; the item keeps the typed text until the next refresh.
void CPropListPoint::ApplyCoordinate(CQXObjectPoint* point, CBCGPProp* item, bool isX) {
    const CString text = VariantToText(item->GetValue());
    if (!kel::plane::CPlaneFunc::IsEffectiveFigure(text)) return;
    const double value = crt::Atof(text);
    if (!std::isfinite(value)) return;
    QXPOINT p;
    point->GetAnchor(&p);
    (isX ? p.x : p.y) = value;
    point->MoveAnchor(p);
}

// A negative size, a text that is no number, or one past the record's range shows the stored size again.
void CPropListPoint::ApplySize(CQXObjectPoint* point, CBCGPProp* item) {
    QXLOGPOINT style;
    point->GetLogPoint(&style);
    const CString text = VariantToText(item->GetValue());
    const double size = crt::Atof(text) * 100;
    const bool refused =
        size < 0 || !(size <= FLT_MAX) || (size == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text));
    if (refused) {
        item->SetValue(_variant_t(TwoDecimals(style.size / 100.0)));
        return;
    }
    style.size = static_cast<float>(size);
    WriteStyle(point, style);
}

void CPropListPoint::WriteStyle(CQXObjectPoint* point, QXLOGPOINT& style) {
    SetSameTypeObjects(point->GetLayer(), &CQXObjectPoint::SetLogPoint, &style, point->GetTypeName());
}
