#include "planemap/PropListMultiText.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TextListCommon.h"

namespace {

// Edits one field of the own brush of every selected multi-line text of typeName.
template <class Edit>
void EditSameTypeBrushes(CQXLayer* layer, const CString& typeName, Edit edit) {
    ForSameTypeObjects<CQXObjectMultiText>(layer, typeName, [&](CQXObjectMultiText* text) {
        QXLOGBRUSH brush;
        text->GetLogBrush(&brush);
        edit(brush);
        text->SetLogBrush(&brush);
    });
}

}  // namespace

CPropListMultiText::CPropListMultiText() = default;
CPropListMultiText::~CPropListMultiText() = default;

CQXObjectMultiText* CPropListMultiText::Text() const { return dynamic_cast<CQXObjectMultiText*>(m_pTarget); }

int CPropListMultiText::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(textlist::NewKindItem(kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewStringItem(kStringId), TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewDirectionItem(kDirectionId), TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(grouptext::kFontFace, kFontGroupId, textlist::OwnFontSizeRule());
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);

    m_wndPropList.AddProperty(textlist::NewBackColorItem(kBackColorId), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateYesNoProp(planetext::kBackTransparent, kTransparentId, _variant_t(""), nullptr),
                              TRUE, TRUE);
    CBCGPProp* angle = textlist::NewAngleItem(kAngleId);
    angle->Enable(FALSE);
    m_wndPropList.AddProperty(angle, TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewHAlignItem(kHAlignId), TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewVAlignItem(kVAlignId), TRUE, TRUE);
    return 0;
}

void CPropListMultiText::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    // The rotation is not edited here; the item stays empty.
    if (CBCGPProp* angle = FindItem(kAngleId)) angle->Enable(FALSE);
    CQXObjectMultiText* text = Text();
    if (!text) return;
    QXLOGFONT font;
    QXLOGBRUSH brush;
    text->GetLogFont(&font);
    text->GetLogBrush(&brush);

    textlist::ShowString(FindItem(kStringId), text->GetString(), GetSelectionCount() == 1);
    SetItemText(FindItem(kDirectionId), textlist::DirectionText(text->GetDirection()));
    SetFontProp(FindItem(kFontGroupId), font);
    ShowColor(FindItem(kBackColorId), brush.fillColor);
    SetYesNoProp(FindItem(kTransparentId), brush.style == kBrushStyleNone);
    SetItemText(FindItem(kHAlignId), planemap::HAlignText(text->GetHAlign()));
    SetItemText(FindItem(kVAlignId), planemap::VAlignText(text->GetVAlign()));
}

LRESULT CPropListMultiText::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectMultiText* text = Text();
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
            text->SetString(typed);
            break;
        case kDirectionId:
            SetSameTypeFromList(layer, &CQXObjectMultiText::SetDirection, item, typeName);
            break;
        case kFaceId:
        case kSizeId:
        case kColorId:
            // A refused size writes nothing and redraws nothing.
            if (!textlist::EditOwnFonts(text, item, planemap::SubItemPosition(id, kFontGroupId))) return 0;
            break;
        case kBackColorId: {
            COLORREF c = 0;
            if (ReadColor(item, &c)) EditSameTypeBrushes(layer, typeName, [&](QXLOGBRUSH& b) { b.fillColor = c; });
            break;
        }
        case kTransparentId: {
            const UINT style = ReadYesNo(item) ? kBrushStyleNone : kBrushStyleSolid;
            EditSameTypeBrushes(layer, typeName, [&](QXLOGBRUSH& b) { b.style = style; });
            break;
        }
        case kAngleId:  // disabled: reached only when the item is changed from code
            textlist::EditAngles<CQXObjectMultiText>(layer, typeName, typed);
            break;
        case kHAlignId:
            SetSameTypeFromList(layer, &CQXObjectMultiText::SetHAlign, item, typeName);
            break;
        case kVAlignId:
            SetSameTypeFromList(layer, &CQXObjectMultiText::SetVAlign, item, typeName);
            break;
        default:
            break;
    }
    UpdateView();
    return 0;
}
