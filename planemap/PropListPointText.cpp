#include "planemap/PropListPointText.h"

#include <cmath>

#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropDigits.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/TextListCommon.h"
#include "win32/Text.h"

namespace {

constexpr int kMaxDecimals = 5;

// Count of characters after the first "." of a label, 0 without one.
int DecimalsOf(const CString& label) {
    const int point = label.Find('.');
    return point < 0 ? 0 : static_cast<int>(text::CharCount(label.Mid(point + 1).str()));
}

// A label written again as its leading number with the given count of decimals, 0 rounding half
// away from zero; a label that starts with no number is 0 ("0", "0.00"). A label whose number no
// double holds keeps its text (false), as does a count outside 0..5.
bool Reformat(CString& label, int decimals) {
    if (decimals < 0 || decimals > kMaxDecimals) return false;
    double v = 0;
    if (!numtext::LeadingNumber(label, &v)) return false;
    // Half away from zero; a number that rounds to zero is written "0", "0.00", never "-0".
    label = decimals == 0 ? numtext::Fixed(std::trunc(v < 0 ? v - 0.5 : v + 0.5), 0) : numtext::Fixed(v, decimals);
    return true;
}

}  // namespace

CPropListPointText::CPropListPointText() : m_shownPlace(planetext::kPosition) {}
CPropListPointText::~CPropListPointText() = default;

CQXObjectText* CPropListPointText::Text() const { return dynamic_cast<CQXObjectText*>(m_pTarget); }

int CPropListPointText::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(textlist::NewKindItem(kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(textlist::NewStringItem(kStringId), TRUE, TRUE);
    CBCGPProp* direction = textlist::NewDirectionItem(kDirectionId);
    direction->Enable(FALSE);
    m_wndPropList.AddProperty(direction, TRUE, TRUE);

    CBCGPProp* group = CreateFontProp(planetext::kFontGroup, kFontGroupId, textlist::OwnFontSizeRule());
    group->Expand(TRUE);
    group->AddSubItem(
        CreateIndexProp(planetext::kDecimals, kDecimalsId, planetext::kDecimalsDescription, kMaxDecimals + 1));
    group->AddSubItem(CreateYesNoProp(planetext::kBackTransparent, kTransparentId, _variant_t(""), ""));
    group->AddSubItem(textlist::NewBackColorItem(kBackColorId));
    group->AddSubItem(textlist::NewAngleItem(kAngleId));
    // "中" is read and shown but not offered.
    group->AddSubItem(
        planemap::NewPlaceItem(planetext::kPosition, planetext::kPosition, planetext::kPosition, kPlaceId, false));
    m_wndPropList.AddProperty(group, TRUE, TRUE);
    return 0;
}

void CPropListPointText::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    // A label is always written across.
    if (CBCGPProp* direction = FindItem(kDirectionId)) direction->Enable(FALSE);
    CQXObjectText* text = Text();
    if (!text) return;
    QXLOGFONT font;
    text->GetLogFont(&font);
    const CString label = text->GetString();

    textlist::ShowString(FindItem(kStringId), label, GetSelectionCount() == 1);
    SetFontProp(FindItem(kFontGroupId), font);
    ShowStored(text, FindItem(kDecimalsId));
    SetYesNoProp(FindItem(kTransparentId), font.transparent == 1);
    if (auto* back = dynamic_cast<CBCGPColorProp*>(FindItem(kBackColorId))) {
        back->SetColor(font.backColor);
        back->Enable(font.transparent == 0 ? TRUE : FALSE);
    }
    ShowStored(text, FindItem(kAngleId));
    ShowStored(text, FindItem(kPlaceId));
}

LRESULT CPropListPointText::OnPropertyChanged(WPARAM, LPARAM lParam) {
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
        case kDecimalsId: {
            // A count that is no number or outside 0..5 (set from code) writes nothing; the item
            // shows the shown label's decimals again.
            int decimals = 0;
            if (!numtext::LeadingInt(typed, &decimals) || decimals < 0 || decimals > kMaxDecimals) {
                ShowStored(text, item);
                return 0;
            }
            ForSameTypeObjects<CQXObjectText>(layer, typeName, [&](CQXObjectText* label) {
                CString s = label->GetString();
                if (Reformat(s, decimals)) label->SetString(s);
            });
            break;
        }
        case kTransparentId: {
            // A transparent label has no background to colour.
            const UINT transparent = textlist::EditOwnTransparency(layer, typeName, item);
            if (CBCGPProp* back = FindItem(kBackColorId)) back->Enable(transparent == 0 ? TRUE : FALSE);
            break;
        }
        case kBackColorId:
            textlist::EditOwnBackColors(layer, typeName, item);
            break;
        case kAngleId:
            textlist::EditAngles<CQXObjectText>(layer, typeName, typed);
            break;
        case kPlaceId:
            // A text no place holds (set from code) writes nothing; the item shows the stored place.
            if (!ApplyPlace(item, layer, typeName)) {
                ShowStored(text, item);
                return 0;
            }
            break;
        default:
            break;
    }
    UpdateView();
    return 0;
}

// The decimals of the shown label "%d", the rotation in degrees and the place, as the refresh shows
// them. A label whose alignment pair is no place leaves the place item with the text it last showed.
void CPropListPointText::ShowStored(CQXObjectText* text, CBCGPProp* item) {
    if (!item) return;
    switch (item->GetData()) {
        case kDecimalsId:
            SetItemText(item, FormatString("%d", DecimalsOf(text->GetString())));
            break;
        case kAngleId:
            SetItemText(item, planemap::AngleText(text->GetAngle()));
            break;
        case kPlaceId:
            if (const planemap::Place* place = planemap::PlaceOf(text->GetHorizontalAlign(), text->GetVerticalAlign()))
                m_shownPlace = place->text;
            SetItemText(item, m_shownPlace);
            break;
        default:
            break;
    }
}

bool CPropListPointText::ApplyPlace(CBCGPProp* item, CQXLayer* layer, const CString& typeName) {
    int index = 0;
    if (!ReadFixedList(item, &index)) return false;
    const planemap::Place* place = &planemap::kPlaces[index];
    ForSameTypeObjects<CQXObjectText>(layer, typeName, [&](CQXObjectText* label) {
        label->SetHorizontalAlign(place->hAlign);
        label->SetVerticalAlign(place->vAlign);
    });
    m_shownPlace = place->text;
    return true;
}
