#include "planemap/layers/PropListWellLabel.h"

#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TextListCommon.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

CPropListWellLabel::CPropListWellLabel() = default;
CPropListWellLabel::~CPropListWellLabel() = default;

CQXObjectText* CPropListWellLabel::Label() const { return dynamic_cast<CQXObjectText*>(m_pTarget); }

int CPropListWellLabel::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(wellitems::NewReadOnly(planetext::kType, "", kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(wellitems::NewReadOnly(welltext::kLabelWell, "", kWellId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewTextItem(planetext::kText, "", kTextId), TRUE, TRUE);

    CBCGPProp* position = wellitems::NewGroup(planetext::kPosition, kPositionGroupId);
    position->AddSubItem(NewSizeTextItem(planetext::kX, planetext::kXDescription, kXId, planemap::FigureRule()));
    position->AddSubItem(NewSizeTextItem(planetext::kY, planetext::kYDescription, kYId, planemap::FigureRule()));
    position->Expand(TRUE);
    m_wndPropList.AddProperty(position, TRUE, TRUE);

    CBCGPProp* font = wellitems::NewGroup(planetext::kFontGroup, kFontGroupId);
    font->AddSubItem(new CPropStyleCombox(grouptext::kFontFace, grouptext::kDefaultFontFace,
                                          grouptext::kFontFaceDescription, kFaceId));
    font->AddSubItem(NewSizeTextItem(grouptext::kSize, welltext::kSizeDescription, kSizeId,
                                     penfont::HundredthsRule(penfont::Accept::AboveZero)));
    font->AddSubItem(wellitems::NewColor(grouptext::kColor, welltext::kLabelColorDescription, kColorId));
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    return 0;
}

void CPropListWellLabel::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectText* label = Label();
    if (!label || !m_pLayer) return;
    const bool single = m_pLayer->GetSelectedObjectCount() == 1;
    SetItemText(FindItem(kTypeId), label->GetTypeName());
    SetItemText(FindItem(kWellId), single ? label->GetName() : CString());
    // The text belongs to one label: with several selected the item stays enabled but empty and
    // read-only (the text lists disable it instead).
    if (CBCGPProp* text = FindItem(kTextId)) {
        SetItemText(text, single ? label->GetString() : CString());
        text->AllowEdit(single ? TRUE : FALSE);
    }
    for (DWORD_PTR id : {kFaceId, kSizeId, kColorId, kXId, kYId})
        if (CBCGPProp* item = FindItem(id)) ShowStored(label, item);
}

// The font and the position as the refresh shows them; the position only for a lone label.
void CPropListWellLabel::ShowStored(CQXObjectText* label, CBCGPProp* item) {
    QXLOGFONT font;
    label->GetLogFont(&font);
    QXPOINT at;
    at.x = 0;
    at.y = 0;
    label->GetAnchor(&at);
    const bool single = m_pLayer && m_pLayer->GetSelectedObjectCount() == 1;
    if (item->GetData() == kXId || item->GetData() == kYId)
        SetItemText(item, single ? numtext::Fixed(item->GetData() == kXId ? at.x : at.y, 2) : CString());
    else
        wellitems::ShowFontField(item, font, kFaceId, kSizeId, kColorId);
}

void CPropListWellLabel::ShowItemAgain(CBCGPProp* item) {
    if (CQXObjectText* label = Label(); label && item) ShowStored(label, item);
    CWndLstPlane::ShowItemAgain(item);
}

// A font edit changes only the edited field of the shown label's font, which then goes to every
// selected label of the type. The size and coordinate items refuse what the readers here refuse,
// so every text that comes here is taken.
LRESULT CPropListWellLabel::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectText* label = Label();
    if (!item || !label) {
        UpdateView();
        return 0;
    }
    QXLOGFONT font;
    label->GetLogFont(&font);
    switch (item->GetData()) {
        case kFaceId:
        case kSizeId:
        case kColorId:
            ReadEditedField(item, font);
            break;
        case kTextId:
            // The text belongs to the edited label alone; the font is not written.
            label->SetString(ItemText(item));
            UpdateView();
            return 0;
        case kXId:
        case kYId:
            textlist::MoveAnchorCoordinate(label, ItemText(item), item->GetData() == kXId);
            break;
        default:
            break;
    }
    SetSameTypeObjects(label->GetLayer(), &CQXObjectText::SetLogFont, &font, label->GetTypeName());
    UpdateView();
    return 0;
}
