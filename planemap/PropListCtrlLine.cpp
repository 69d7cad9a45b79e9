#include "planemap/PropListCtrlLine.h"

#include <cfloat>
#include <cmath>

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "planemap/FaciesControlTexts.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kValueId = 2001,
    kPenStyleId = 2003,
    kPenWidthId = 2004,
    kPenColorId = 2005,
};

}  // namespace

namespace penitems {

CBCGPProp* NewHalfStepWidthItem(const char* format, DWORD_PTR id) {
    auto* width = new CBCGPProp(grouptext::kLineWidth, _variant_t(""), grouptext::kLineWidthMmDescription, id);
    for (int i = 0; i < 60; ++i) {
        CString option;
        option.Format(format, i * 0.5);
        width->AddOption(option);
    }
    width->AllowEdit(TRUE);
    return width;
}

bool ReadPenWidth(const CString& text, float* width) {
    const double value = crt::Atof(text) * 100;
    if (!(std::fabs(value) <= FLT_MAX)) return false;
    *width = static_cast<float>(value);
    return true;
}

void ShowPen(CBCGPProp* style, CBCGPProp* colour, CBCGPProp* width, const QXLOGPEN& pen) {
    if (auto* picker = dynamic_cast<CPropStyleCombox*>(style)) {
        UINT value = pen.style;
        picker->SetVal(value);
    }
    if (auto* colourItem = dynamic_cast<CBCGPColorProp*>(colour)) colourItem->SetColor(pen.color);
    if (width) {
        CString text;
        text.Format("%.2f", pen.width / 100.0);
        width->SetValue(_variant_t(text));
    }
}

}  // namespace penitems

CPropListCtrlLine::CPropListCtrlLine() = default;
CPropListCtrlLine::~CPropListCtrlLine() = default;

CQXObjectLine* CPropListCtrlLine::Line() const { return dynamic_cast<CQXObjectLine*>(m_pTarget); }

int CPropListCtrlLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(fctext::kCtrlLine), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(geotext::kValue, _variant_t(""), "", kValueId), TRUE, TRUE);
    m_wndPropList.AddProperty(new CPropStyleCombox(grouptext::kLineStyle, 0, CPropStyleCombox::kLineStyle, nullptr,
                                                   geotext::kBoundaryStyleDescription, kPenStyleId),
                              TRUE, TRUE);
    m_wndPropList.AddProperty(NewGroupColorProp(grouptext::kColor, geotext::kBoundaryColorDescription, kPenColorId, 0),
                              TRUE, TRUE);
    m_wndPropList.AddProperty(penitems::NewHalfStepWidthItem("%.1f", kPenWidthId), TRUE, TRUE);
    return 0;
}

void CPropListCtrlLine::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectLine* line = Line();
    if (!line) return;
    if (CBCGPProp* type = FindItem(kTypeId)) type->SetValue(_variant_t(line->GetTypeName()));
    if (CBCGPProp* value = FindItem(kValueId)) {
        const bool several = GetSelectionCount() > 1;
        value->SetValue(_variant_t(several ? CString() : line->GetName()));
        value->Enable(several ? FALSE : TRUE);
    }
    RefreshPen(line);
}

void CPropListCtrlLine::RefreshPen(CQXObjectLine* line) {
    QXLOGPEN pen;
    line->GetLogPen(&pen);
    penitems::ShowPen(FindItem(kPenStyleId), FindItem(kPenColorId), FindItem(kPenWidthId), pen);
}

LRESULT CPropListCtrlLine::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLine* line = Line();
    if (!item || !line) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = line->GetLayer();
    const CString typeName = line->GetTypeName();
    QXLOGPEN pen;
    line->GetLogPen(&pen);

    switch (item->GetData()) {
        case kValueId:
            line->SetName(VariantToText(item->GetValue()));
            break;
        case kPenStyleId:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) {
                pen.style = picker->GetVal();
                SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
            }
            break;
        case kPenWidthId:
            if (penitems::ReadPenWidth(VariantToText(item->GetValue()), &pen.width))
                SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
            break;
        case kPenColorId:
            if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
                pen.color = colour->GetColor();
                SetSameTypeObjects(layer, &CQXObjectLine::SetLogPen, &pen, typeName);
            }
            break;
        default:
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}
