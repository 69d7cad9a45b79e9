#include "planemap/PropListText.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TextListCommon.h"

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

    m_wndPropList.AddProperty(textlist::NewPositionGroup(kPositionGroupId, kXId, kYId), TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(grouptext::kFontFace, kFontGroupId, textlist::OwnFontSizeRule());
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
    ShowColor(FindItem(kBackColorId), font.backColor);
    SetYesNoProp(FindItem(kTransparentId), font.transparent == 1);
    SetItemText(FindItem(kHAlignId), planemap::HAlignText(text->GetHorizontalAlign()));
    SetItemText(FindItem(kVAlignId), planemap::VAlignText(text->GetVerticalAlign()));
    for (DWORD_PTR id : {kAngleId, kXId, kYId}) ShowStored(text, FindItem(id));
}

// The rotation in degrees and the position "%.2f", as the refresh shows them.
void CPropListText::ShowStored(CQXObjectText* text, CBCGPProp* item) {
    if (!item) return;
    QXPOINT p;
    text->GetAnchor(&p);
    switch (item->GetData()) {
        case kAngleId:
            SetItemText(item, planemap::AngleText(text->GetAngle()));
            break;
        case kXId:
            ShowFixed(item, p.x, 2);
            break;
        case kYId:
            ShowFixed(item, p.y, 2);
            break;
        default:
            break;
    }
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
            // A refused size writes nothing and redraws nothing.
            if (!textlist::EditOwnFonts(text, item, planemap::SubItemPosition(id, kFontGroupId))) return 0;
            break;
        case kBackColorId:
            textlist::EditOwnBackColors(layer, typeName, item);
            break;
        case kTransparentId:
            textlist::EditOwnTransparency(layer, typeName, item);
            break;
        case kAngleId:
            textlist::EditAngles<CQXObjectText>(layer, typeName, typed);
            break;
        case kHAlignId:
            SetSameTypeFromList(layer, &CQXObjectText::SetHorizontalAlign, item, typeName);
            break;
        case kVAlignId:
            SetSameTypeFromList(layer, &CQXObjectText::SetVerticalAlign, item, typeName);
            break;
        case kXId:
        case kYId:
            // The shown text only.
            textlist::MoveAnchorCoordinate(text, typed, id == kXId);
            break;
        default:
            break;
    }
    UpdateView();
    return 0;
}
