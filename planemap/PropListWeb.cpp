#include "planemap/PropListWeb.h"

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "planemap/TableWebShapeTexts.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kStyleId = 2001,
    kGapId = 2002,
    kPenGroupId = 2003,
    kPenStyleId = 2004,
    kPenWidthId = 2005,
    kPenColorId = 2006,
};

namespace ft = furnituretext;

CString ItemText(CBCGPProp* item) { return item ? VariantToText(item->GetValue()) : CString(); }

}  // namespace

CPropListWeb::CPropListWeb() = default;
CPropListWeb::~CPropListWeb() = default;

CQXObjectWeb* CPropListWeb::Web() const { return dynamic_cast<CQXObjectWeb*>(m_pTarget); }

int CPropListWeb::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(shapetext::kWebKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* style = new CBCGPProp(ft::kStyle, _variant_t(ft::kStyle), "", kStyleId);
    for (const auto& entry : shapes::kWebStyles) style->AddOption(entry.text);
    style->AllowEdit(TRUE);
    m_wndPropList.AddProperty(style, TRUE, TRUE);

    m_wndPropList.AddProperty(new CBCGPProp(ft::kSpacing, _variant_t(""), "", kGapId), TRUE, TRUE);

    CBCGPProp* pen = CreateLineProp(ft::kPenSettings, kPenGroupId, false);
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);
    return 0;
}

void CPropListWeb::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectWeb* web = Web();
    if (!web) return;
    if (CBCGPProp* style = FindItem(kStyleId))
        style->SetValue(
            _variant_t(furniture::TextOfValue(shapes::kWebStyles, web->GetStyle(), shapes::kWebStyleOtherText)));
    if (CBCGPProp* gap = FindItem(kGapId)) gap->SetValue(_variant_t(shapes::Format2(web->GetXGap() / 100)));
    QXLOGPEN pen;
    web->GetLogPen(&pen);
    SetLineProp(FindItem(kPenGroupId), pen);
}

LRESULT CPropListWeb::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectWeb* web = Web();
    if (!item || !web) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = web->GetLayer();
    const CString typeName = web->GetTypeName();

    switch (item->GetData()) {
    case kStyleId:
        SetSameTypeObjects(layer, &CQXObjectWeb::SetStyle,
                           furniture::ValueOfText(shapes::kWebStyles, ItemText(item), shapes::kWebStyleOther), typeName);
        break;
    case kGapId:
        ApplyGap(web, item);
        break;
    case kPenStyleId:
    case kPenWidthId:
    case kPenColorId:
        ApplyPen(web, item);
        break;
    default:
        break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// One spacing for both directions; a spacing that is no number or not above 0 is ignored.
void CPropListWeb::ApplyGap(CQXObjectWeb* web, CBCGPProp* item) {
    double gap = 0;
    if (!furniture::ReadNumber(ItemText(item), 100, &gap) || gap <= 0) return;
    SetSameTypeObjects(web->GetLayer(), &CQXObjectWeb::SetXGap, gap, web->GetTypeName());
    SetSameTypeObjects(web->GetLayer(), &CQXObjectWeb::SetYGap, gap, web->GetTypeName());
}

// The shown web's pen with the one field changed goes to every web of the type; a width that
// is no number writes nothing.
void CPropListWeb::ApplyPen(CQXObjectWeb* web, CBCGPProp* item) {
    QXLOGPEN pen;
    web->GetLogPen(&pen);
    switch (item->GetData()) {
    case kPenStyleId: {
        auto* picker = dynamic_cast<CPropStyleCombox*>(item);
        if (!picker) return;
        pen.style = picker->GetVal();
        break;
    }
    case kPenWidthId: {
        double width = 0;
        if (!furniture::ReadNumber(ItemText(item), 100, &width)) return;
        pen.width = static_cast<float>(width);
        break;
    }
    default: {
        auto* colour = dynamic_cast<CBCGPColorProp*>(item);
        if (!colour) return;
        pen.color = colour->GetColor();
        break;
    }
    }
    SetSameTypeObjects(web->GetLayer(), &CQXObjectWeb::SetLogPen, &pen, web->GetTypeName());
}
