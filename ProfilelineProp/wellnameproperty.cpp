#include "ProfilelineProp/wellnameproperty.h"

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Lodestar/PlWell.h"

using namespace KelProfileline;
using namespace grouptext;
using namespace pltext;

namespace {
// What the font items show while several objects are active.
constexpr double kSeveralSize = 4.0;

CBCGPProp* NewReadOnly(const char* name, const char* value, DWORD_PTR id) {
    auto* item = new CBCGPProp(name, _variant_t(value), "", id);
    item->AllowEdit(FALSE);
    return item;
}
}  // namespace

CPlWellLabelProperty::~CPlWellLabelProperty() = default;

int CPlWellLabelProperty::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return PL_PAGE_FAILED(kWellLabelPageFailed);
    m_wndPropList.AddProperty(NewReadOnly(kType, kWellLabelPage, kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewReadOnly(kOwnerWell, "", kWellId), TRUE, TRUE);
    auto* font = new CBCGPProp(kFontGroup, kFontGroupId, FALSE);
    font->AddSubItem(new CPropStyleCombox(kFontFace, CString(), "", kFaceId));
    auto* color = new CBCGPColorProp(kColor, 0, nullptr, "", kColorId);
    color->EnableOtherButton(kOtherColors, TRUE, TRUE);
    color->EnableAutomaticButton(kAutomaticColor, GetSysColor(COLOR_WINDOWTEXT), TRUE);
    font->AddSubItem(color);
    auto* size = new CBCGPropFloat(kSize, _variant_t(0.0), 2, kPointSizeDescription, FALSE, kSizeId);
    size->SetTextRule(plpage::FieldRule());
    font->AddSubItem(size);
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(kLabelText, _variant_t(""), kLabelTextDescription, kTextId), TRUE, TRUE);
    return 0;
}

// Values are shown for exactly one active object; several show neutral values.
void CPlWellLabelProperty::UpdateBCGPProperty(long object, CString) {
    if (!plpage::ShouldRefresh(*this, object, m_pLabel)) return;
    const bool one = plpage::OneActive(plpage::ContainerOfWellPart(m_pLabel));
    const QXLOGFONT font = m_pLabel->GetLabelFont();
    SetItemText(Item(kTypeId), kWellLabelPage);
    if (CBCGPProp* well = Item(kWellId)) {
        well->Enable(one);
        if (one) SetItemText(well, m_pLabel->GetWellName());
    }
    SetItemText(Item(kFaceId), one ? font.GetFaceName() : CString());
    ShowColor(Item(kColorId), one ? font.color : 0);
    if (CBCGPProp* size = Item(kSizeId)) size->SetValue(_variant_t(one ? font.size / 100.0 : kSeveralSize));
    SetItemText(Item(kTextId), one ? m_pLabel->GetLabelText() : CString());
}

LRESULT CPlWellLabelProperty::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || !m_pLabel) return 0;
    switch (item->GetData()) {
        case kFaceId:
        case kSizeId:
        case kColorId:
            EditFont(item);
            break;
        case kTextId: {
            const CString text = ItemText(item);
            plpage::ApplyToActive<CWellLabel>(plpage::ContainerOfWellPart(m_pLabel),
                                              [&text](CWellLabel& label) { label.SetLabelText(text); });
            break;
        }
        default:
            break;
    }
    return 0;
}

void CPlWellLabelProperty::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (item && m_pLabel)
        plpage::ShowRefused(item, plpage::OneActive(plpage::ContainerOfWellPart(m_pLabel)),
                            {{kSizeId, m_pLabel->GetLabelFont().size / 100.0}});
}

// The shown label's font with the edited field, for every active well label. The size item reads
// by EditField's rule, so a size it refuses never comes here.
void CPlWellLabelProperty::EditFont(CBCGPProp* item) {
    QXLOGFONT font = m_pLabel->GetLabelFont();
    if (plpage::EditField(font, item, static_cast<int>(item->GetData() - kFaceId)))
        plpage::ApplyToActive<CWellLabel>(plpage::ContainerOfWellPart(m_pLabel),
                                          [&font](CWellLabel& label) { label.SetLabelFont(font); });
}
