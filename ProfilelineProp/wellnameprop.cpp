#include "ProfilelineProp/wellnameprop.h"

#include <iterator>

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"

using namespace KelProfileline;
using namespace grouptext;
using namespace pltext;

namespace {

CBCGPProp* NewTemplateChoice(const char* name, const char* description, DWORD_PTR id) {
    CBCGPProp* item = NewOptionItem(name, "", description, id, {""}, false);
    item->Enable(FALSE);
    return item;
}

const plpage::TemplateEdit kTemplateEdits[] = {
    {CPlLayerWellName::kFontTemplateId, &CLayerProperty::m_strNameFontTemplate,
     &CPlContainer::ChangeWellNameFontTemplate},
    {CPlLayerWellName::kSizeTemplateId, &CLayerProperty::m_strNameSizeTemplate,
     &CPlContainer::ChangeWellNameSizeTemplate},
    {CPlLayerWellName::kColorTemplateId, &CLayerProperty::m_strNameColorTemplate,
     &CPlContainer::ChangeWellNameColorTemplate},
};

}  // namespace

CPlLayerWellName::~CPlLayerWellName() = default;

int CPlLayerWellName::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return PL_PAGE_FAILED(kWellNamePageFailed);
    m_wndPropList.AddProperty(NewYesNoList(kShow, kYes, kShowDescription, kShowId), TRUE, TRUE);

    auto* font = new CBCGPProp(kFontGroup, kFontGroupId, FALSE);
    font->AddSubItem(NewTemplateChoice(kFontTemplate, kFontTemplateDescription, kFontTemplateId));
    font->AddSubItem(new CPropStyleCombox(kFontFace, CString(), "", kFaceId));
    font->AddSubItem(NewTemplateChoice(kSizeTemplate, kSizeTemplateDescription, kSizeTemplateId));
    auto* size = new CBCGPropFloat(kSize, _variant_t(0.0), 2, kPointSizeDescription, FALSE, kSizeId);
    size->SetTextRule(plpage::FieldRule());
    font->AddSubItem(size);
    font->AddSubItem(NewTemplateChoice(kColorTemplate, kColorTemplateDescription, kColorTemplateId));
    font->AddSubItem(NewGroupColorProp(kColor, kWellNameColorDescription, kColorId, 0));
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);

    auto* position = new CBCGPProp(kPosition, kPositionGroupId, FALSE);
    position->AddSubItem(
        NewOptionItem(kReferObject, "", kReferObjectDescription, kReferObjectId, {kReferWell, kReferBaseLine}, false));
    position->AddSubItem(NewOptionItem(
        kRelativePos, "", kRelativePosDescription, kRelativePosId,
        {kPosTop, kPosBottom, kPosLeft, kPosRight, kPosTopLeft, kPosBottomLeft, kPosTopRight, kPosBottomRight}, false));
    position->AddSubItem(new CBCGPropFloat(kOffset, _variant_t(0.0), 2, kOffsetDescription, FALSE, kOffsetId));
    position->Expand(TRUE);
    m_wndPropList.AddProperty(position, TRUE, TRUE);
    return 0;
}

// ---- refresh ---------------------------------------------------------------------------------------

void CPlLayerWellName::UpdateBCGPProperty(long object, CString) {
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerToRefresh(*this, object, m_pEntity);
    if (!layer) return;
    SetYesNoProp(Item(kShowId), layer->m_bShowWellName);
    const bool shown = GetYesNoProp(Item(kShowId));

    const plpage::TemplatePair pairs[] = {
        {Item(kFontTemplateId), Item(kFaceId), &CWndLst::InitFontTemplate},
        {Item(kSizeTemplateId), Item(kSizeId), &CWndLst::InitSizeTemplate},
        {Item(kColorTemplateId), Item(kColorId), &CWndLst::InitColorTemplate},
    };
    bool direct[3] = {};
    plpage::RefreshTemplates(*this, plpage::TemplatesUsable(*m_pEntity, *layer, shown), shown, pairs, 3, direct);
    const QXLOGFONT& font = layer->m_nameFont;
    SetItemText(Item(kFaceId), font.GetFaceName());
    if (CBCGPProp* size = Item(kSizeId)) size->SetValue(_variant_t(font.size / 100.0));
    ShowColor(Item(kColorId), font.color);

    for (DWORD_PTR id : {kReferObjectId, kRelativePosId, kOffsetId})
        if (CBCGPProp* item = Item(id)) item->Enable(shown);
    SetItemText(Item(kReferObjectId), layer->m_strNameReferObject.c_str());
    SetItemText(Item(kRelativePosId), layer->m_strNameRelativePos.c_str());
    if (CBCGPProp* offset = Item(kOffsetId)) offset->SetValue(_variant_t(layer->m_dNameOffset));
}

// ---- edits -------------------------------------------------------------------------------------------

LRESULT CPlLayerWellName::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    const boost::shared_ptr<CLayerProperty> layer = plpage::LayerProperty();
    if (!item || !m_pEntity || !layer) return 0;
    const DWORD_PTR id = item->GetData();
    const std::string text = ItemText(item).str();
    CPlWellMgr* wells = m_pEntity->m_pWellMgr;
    switch (id) {
        case kShowId:
            layer->m_bShowWellName = ReadYesNo(item);
            plpage::Stamp(m_pEntity);
            break;
        case kFontTemplateId:
        case kSizeTemplateId:
        case kColorTemplateId:
            plpage::EditTemplate(kTemplateEdits, std::size(kTemplateEdits), *layer, *m_pEntity, item);
            plpage::Stamp(m_pEntity);
            break;
        case kFaceId:
        case kSizeId:
        case kColorId:
            if (EditFont(*layer, item) && wells) wells->SetLabelFont(layer->m_nameFont);
            break;
        case kReferObjectId:
            layer->m_strNameReferObject = text;
            m_pEntity->SetWellDrainLinePos();
            if (wells) wells->SetWellLabelRefertype(text);
            break;
        case kRelativePosId:
            layer->m_strNameRelativePos = text;
            if (wells) wells->SetWellLabelAlign(text);
            break;
        case kOffsetId:
            if (EditOffset(*layer, item) && wells) wells->SetWellLabelOffset(layer->m_dNameOffset);
            break;
        default:
            break;  // a group or another item: nothing written, the graph still redrawn
    }
    m_pEntity->UpdateWnd();
    return 0;
}

// A text the item refuses is written nowhere and nothing is redrawn: the item shows the stored
// value again.
void CPlLayerWellName::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (const boost::shared_ptr<CLayerProperty> layer = plpage::LayerProperty(); item && layer)
        ShowStoredValueOf(item, {{kSizeId, layer->m_nameFont.size / 100.0}, {kOffsetId, layer->m_dNameOffset}});
}

// Face, size and colour stand every second item, after their template items. The size item reads
// by EditField's rule and the offset item refuses a text that is no number, so neither edit is
// refused here.
bool CPlLayerWellName::EditFont(CLayerProperty& layer, CBCGPProp* item) {
    return plpage::EditField(layer.m_nameFont, item, static_cast<int>(item->GetData() - kFaceId) / 2);
}

bool CPlLayerWellName::EditOffset(CLayerProperty& layer, CBCGPProp* item) {
    double offset = 0;
    if (!numtext::LeadingNumber(ItemText(item), &offset)) return false;
    layer.m_dNameOffset = offset;
    return true;
}
