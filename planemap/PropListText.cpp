#include "planemap/PropListText.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PlaneTexts.h"
#include "planemap/TextListCommon.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kStringId = 2001,
    kDirectionId = 2002,
    kFontGroupId = 2003,
    kFaceId = 2004,
    kSizeId = 2005,
    kColorId = 2006,
    kBackColorId = 2007,
    kTransparentId = 2008,
    kAngleId = 2009,
    kHAlignId = 2010,
    kVAlignId = 2011,
    kPositionGroupId = 2012,
    kXId = 2013,
    kYId = 2014,
};

}  // namespace

CPropListText::CPropListText() = default;
CPropListText::~CPropListText() = default;

CQXObjectText* CPropListText::Text() const { return dynamic_cast<CQXObjectText*>(m_pTarget); }

int CPropListText::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(textlist::NewKindItem(kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewStringItem(kStringId), TRUE, TRUE);
    CBCGPProp* direction = textlist::NewDirectionItem(kDirectionId);
    direction->Enable(FALSE);
    m_wndPropList.AddProperty(direction, TRUE, TRUE);

    auto* position = new CBCGPProp(planetext::kPosition, kPositionGroupId);
    position->AddSubItem(new CBCGPProp(planetext::kX, _variant_t(""), planetext::kXDescription, kXId));
    position->AddSubItem(new CBCGPProp(planetext::kY, _variant_t(""), planetext::kYDescription, kYId));
    position->Expand(TRUE);
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(grouptext::kFontFace, kFontGroupId);
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);

    m_wndPropList.AddProperty(textlist::NewBackColorItem(kBackColorId), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateYesNoProp(planetext::kBackTransparent, kTransparentId, _variant_t(""), ""), TRUE,
                              TRUE);
    m_wndPropList.AddProperty(textlist::NewAngleItem(kAngleId), TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewHAlignItem(kHAlignId), TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewVAlignItem(kVAlignId), TRUE, TRUE);
    return 0;
}

void CPropListText::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    // The text is always written across.
    if (CBCGPProp* direction = FindItem(kDirectionId)) direction->Enable(FALSE);
    CQXObjectText* text = Text();
    if (!text) return;
    QXLOGFONT font;
    text->GetLogFont(&font);

    textlist::ShowString(FindItem(kStringId), text->GetString(), GetSelectionCount() == 1);
    SetFontProp(FindItem(kFontGroupId), font);
    if (auto* back = dynamic_cast<CBCGPColorProp*>(FindItem(kBackColorId))) back->SetColor(font.backColor);
    SetYesNoProp(FindItem(kTransparentId), font.transparent == 1);
    if (CBCGPProp* angle = FindItem(kAngleId)) angle->SetValue(_variant_t(textlist::AngleText(text->GetAngle())));
    if (CBCGPProp* h = FindItem(kHAlignId)) h->SetValue(_variant_t(planemap::HAlignText(text->GetHorizontalAlign())));
    if (CBCGPProp* v = FindItem(kVAlignId)) v->SetValue(_variant_t(planemap::VAlignText(text->GetVerticalAlign())));
    RefreshPosition(text);
}

void CPropListText::RefreshPosition(CQXObjectText* text) {
    QXPOINT p;
    text->GetAnchor(&p);
    if (CBCGPProp* x = FindItem(kXId)) x->SetValue(_variant_t(textlist::TwoDecimals(p.x)));
    if (CBCGPProp* y = FindItem(kYId)) y->SetValue(_variant_t(textlist::TwoDecimals(p.y)));
}

LRESULT CPropListText::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectText* text = Text();
    if (!item || !text) {
        UpdateView();
        return 0;
    }
    const CString typeName = text->GetTypeName();
    CQXLayer* layer = text->GetLayer();
    const CString typed = VariantToText(item->GetValue());
    const DWORD_PTR id = item->GetData();

    switch (id) {
    case kStringId:
        SetSameTypeObjects(layer, &CQXObjectText::SetString, typed.GetString(), typeName);
        break;
    case kFaceId:
    case kSizeId:
    case kColorId:
        textlist::ApplyFontSubItem<CQXObjectText>(item, static_cast<int>(id - kFontGroupId - 1), layer, typeName);
        break;
    case kBackColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            const COLORREF c = colour->GetColor();
            textlist::EditSameTypeFonts<CQXObjectText>(layer, typeName, [&](QXLOGFONT& f) { f.backColor = c; });
        }
        break;
    case kTransparentId: {
        const UINT transparent = GetYesNoProp(item) ? 1 : 0;
        textlist::EditSameTypeFonts<CQXObjectText>(layer, typeName,
                                                   [&](QXLOGFONT& f) { f.transparent = transparent; });
        break;
    }
    case kAngleId:
        SetSameTypeObjects(layer, &CQXObjectText::SetAngle, textlist::AngleFromText(typed), typeName);
        break;
    case kHAlignId:
        SetSameTypeObjects(layer, &CQXObjectText::SetHorizontalAlign, planemap::HAlignValue(typed), typeName);
        break;
    case kVAlignId:
        SetSameTypeObjects(layer, &CQXObjectText::SetVerticalAlign, planemap::VAlignValue(typed), typeName);
        break;
    case kXId:
    case kYId:
        MovePosition(text, typed, id == kXId);
        break;
    default:
        break;
    }
    UpdateView();
    return 0;
}

// The anchor of the shown text only; a coordinate that is not a number is ignored.
void CPropListText::MovePosition(CQXObjectText* text, const CString& typed, bool x) {
    if (!kel::plane::CPlaneFunc::IsEffectiveFigure(typed)) return;
    QXPOINT p;
    text->GetAnchor(&p);
    (x ? p.x : p.y) = crt::Atof(typed);
    text->MoveAnchor(p);
}
