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
    QXLOGFONT font;
    label->GetLogFont(&font);
    SetItemText(FindItem(kFaceId), font.faceName);
    SetItemText(FindItem(kSizeId), wellitems::Hundredths(font.size));
    ShowColor(FindItem(kColorId), font.color);
    // The text belongs to one label: with several selected the item stays enabled but empty and
    // read-only (the text lists disable it instead).
    if (CBCGPProp* text = FindItem(kTextId)) {
        SetItemText(text, single ? label->GetString() : CString());
        text->AllowEdit(single ? TRUE : FALSE);
    }
    QXPOINT at;
    at.x = 0;
    at.y = 0;
    label->GetAnchor(&at);
    SetItemText(FindItem(kXId), single ? numtext::Fixed(at.x, 2) : CString());
    SetItemText(FindItem(kYId), single ? numtext::Fixed(at.y, 2) : CString());
}

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
            font.SetFaceName(ItemText(item));
            break;
        case kSizeId:
            if (!penfont::ReadHundredths(ItemText(item), penfont::Accept::AboveZero, &font.size)) {
                // Refused: nothing written or redrawn; the item shows the stored size.
                SetItemText(item, wellitems::Hundredths(font.size));
                return 0;
            }
            break;
        case kColorId:
            ReadColor(item, &font.color);
            break;
        case kTextId:
            // The text belongs to the edited label alone; the font is not written.
            label->SetString(ItemText(item));
            UpdateView();
            return 0;
        case kXId:
        case kYId: {
            double typed = 0;
            if (!planemap::ReadFigure(ItemText(item), &typed)) {
                // Refused: nothing written or redrawn; the item shows the stored coordinate as the
                // refresh shows it (empty while several labels are selected).
                QXPOINT at;
                at.x = 0;
                at.y = 0;
                label->GetAnchor(&at);
                const bool single = m_pLayer && m_pLayer->GetSelectedObjectCount() == 1;
                SetItemText(item, single ? numtext::Fixed(item->GetData() == kXId ? at.x : at.y, 2) : CString());
                return 0;
            }
            textlist::MoveAnchorCoordinate(label, ItemText(item), item->GetData() == kXId);
            break;
        }
        default:
            break;
    }
    SetSameTypeObjects(label->GetLayer(), &CQXObjectText::SetLogFont, &font, label->GetTypeName());
    UpdateView();
    return 0;
}
