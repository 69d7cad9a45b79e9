#include "planemap/layers/PropListStratumLayerStratum.h"

#include <vector>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Tamarind/TemplateManagerFacade.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/WellItems.h"
#include "planemap/layers/WellTexts.h"

using kel::plane::CStratumLayer;
using wellitems::Sign;

namespace {

// The top alignments by their codes; any other text is code 0.
constexpr TextValue kTopAligns[] = {{"实际起伏", 0},     {"起伏程度高", 1}, {"起伏程度中高", 2}, {"起伏程度中", 3},
                                    {"起伏程度中低", 4}, {"起伏程度低", 5}, {"水平显示", 6}};
// Vertical reference 0: the well-row base line, any other text the well; horizontal reference 0:
// the well, any other text its name.
constexpr int kByBaseLine = 0;
constexpr TextValue kVerticalRefers[] = {{welltext::kBaseLine, kByBaseLine}, {welltext::kWellSymbol, 1}};
constexpr TextValue kHorizontalRefers[] = {{welltext::kWellSymbol, 0}, {welltext::kWellLabel, 1}};

// The depth scale is typed as its inverse, the factor the layer keeps: a number above 0 whose
// inverse is a finite number above 0.
bool ReadDepthFactor(const CString& text, double* factor) {
    double scale = 0;
    return wellitems::ReadScaled(text, 1, Sign::kAboveZero, &scale) && numtext::Ratio(1, scale, factor);
}

TextRule DepthScaleRule() { return ReaderRule(ReadDepthFactor); }

// Zoom and the extra lengths: a number of 0 or more, unscaled.
TextRule PlainRule() { return wellitems::ScaledRule(1, Sign::kZeroOrMore); }

}  // namespace

int CPropListStratumLayerStratum::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewYesNoList(grouptext::kShow, "", nullptr, kShowId), TRUE, TRUE);

    CBCGPProp* column = wellitems::NewGroup(welltext::kWellColumn, kColumnGroupId);
    column->AddSubItem(
        wellitems::NewChoice(welltext::kTemplateOption, welltext::kTemplateDescription, kTemplateId, {""}));
    column->AddSubItem(
        NewSizeTextItem(welltext::kDepthScale, welltext::kDepthScaleDescription, kDepthScaleId, DepthScaleRule()));
    column->AddSubItem(NewSizeTextItem(welltext::kZoom, welltext::kZoomDescription, kZoomId, PlainRule()));
    column->AddSubItem(NewSizeTextItem(welltext::kUpExtra, welltext::kUpExtraDescription, kUpExtraId, PlainRule()));
    column->AddSubItem(
        NewSizeTextItem(welltext::kDownExtra, welltext::kDownExtraDescription, kDownExtraId, PlainRule()));
    column->Expand(TRUE);
    m_wndPropList.AddProperty(column, TRUE, TRUE);

    CBCGPProp* place = wellitems::NewGroup(planetext::kPosition, kPlaceGroupId);
    place->AddSubItem(NewFixedListItem(welltext::kVerticalRefer, "", welltext::kVerticalReferDescription,
                                       kVerticalReferId, kVerticalRefers, OtherTakenAs(1)));
    place->AddSubItem(NewFixedListItem(welltext::kTopAlign, "", welltext::kTopAlignDescription, kTopAlignId, kTopAligns,
                                       OtherTakenAs(0)));
    place->AddSubItem(wellitems::NewHundredthsItem(welltext::kVerticalDistance, welltext::kVerticalDistanceDescription,
                                                   kDistanceId, true));
    place->AddSubItem(NewFixedListItem(welltext::kHorizontalRefer, "", welltext::kHorizontalReferDescription,
                                       kHorizontalReferId, kHorizontalRefers, OtherTakenAs(1)));
    place->Expand(TRUE);
    m_wndPropList.AddProperty(place, TRUE, TRUE);
    return 0;
}

bool CPropListStratumLayerStratum::HasBaseLine(CStratumLayer& layer) {
    CQXMap* map = layer.GetLayer() ? layer.GetLayer()->GetMap() : nullptr;
    CQXLayer* wells = map ? map->GetLayer(layer.GetWellLayerName().GetString()) : nullptr;
    return wells && kel::plane::CWellLayer(wells).IsHaveBaseLine();
}

void CPropListStratumLayerStratum::EnableByVerticalType(int type) {
    if (CBCGPProp* align = FindItem(kTopAlignId)) align->Enable(type == kByBaseLine ? TRUE : FALSE);
    if (CBCGPProp* distance = FindItem(kDistanceId)) distance->Enable(type == kByBaseLine ? FALSE : TRUE);
}

void CPropListStratumLayerStratum::EnableAfterShow(int visible) {
    for (int i = 1; i < m_wndPropList.GetPropertyCount(); ++i)
        EnablePropRecursive(m_wndPropList.GetProperty(i), visible ? TRUE : FALSE);
}

void CPropListStratumLayerStratum::RefreshLayer(CStratumLayer& layer) {
    const bool created = wellitems::IsCreated(layer.GetLayer(), welltext::kStratumCreated);
    if (created) EnableAllItems(TRUE);
    const int visible = layer.GetStratumVisible();
    SetYesNoProp(FindItem(kShowId), visible != 0);
    EnableAfterShow(visible);

    if (CBCGPProp* templates = FindItem(kTemplateId)) {
        templates->RemoveAllOptions();
        std::vector<CString> names;
        TemplateManager::CTemplateManagerFacade::Instance()->GetAllTemplateByTplType(
            names, TemplateManager::TPL_STRATUMSECTION);
        for (const CString& name : names) templates->AddOption(name);
        SetItemText(templates, layer.GetStratumTemplate());
    }
    for (DWORD_PTR id : {kDepthScaleId, kZoomId, kUpExtraId, kDownExtraId, kDistanceId})
        if (CBCGPProp* item = FindItem(id)) ShowStoredItem(layer, item);

    CBCGPProp* vertical = FindItem(kVerticalReferId);
    wellitems::ShowOption(vertical, layer.GetStratumVerticalType());
    const bool baseLine = HasBaseLine(layer);
    if (!baseLine) SetItemText(vertical, welltext::kWell);
    if (vertical) vertical->Enable(baseLine ? TRUE : FALSE);
    wellitems::ShowOption(FindItem(kTopAlignId), layer.GetStratumTopAlign());
    wellitems::ShowOption(FindItem(kHorizontalReferId), layer.GetStratumHorizontalType());
    EnableByVerticalType(layer.GetStratumVerticalType());

    if (!created) EnableAllItems(FALSE);
}

bool CPropListStratumLayerStratum::OnLayerItemChanged(CStratumLayer& layer, CBCGPProp* item) {
    if (item->GetData() == kShowId) {
        const int visible = ReadYesNo(item) ? 1 : 0;
        layer.SetStratumVisible(visible);
        EnableAfterShow(visible);
        return true;
    }
    if (EditSetting(layer, item)) layer.ReCreateStratum();
    return true;
}

// The numbers as the refresh shows them (the refresh shows them through here).
void CPropListStratumLayerStratum::ShowStoredItem(CStratumLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kDepthScaleId:
            SetItemText(item, numtext::Fixed(1.0 / layer.GetStratumDepthFactor(), 2));
            break;
        case kZoomId:
            SetItemText(item, numtext::Fixed(layer.GetStratumTemplateModify(), 2));
            break;
        case kUpExtraId:
            SetItemText(item, numtext::Fixed(layer.GetStratumUpExtra(), 2));
            break;
        case kDownExtraId:
            SetItemText(item, numtext::Fixed(layer.GetStratumDownExtra(), 2));
            break;
        case kDistanceId:
            SetItemText(item, wellitems::Hundredths(layer.GetStratumVerticalDistance()));
            break;
        default:
            break;
    }
}

bool CPropListStratumLayerStratum::EditSetting(CStratumLayer& layer, CBCGPProp* item) {
    const CString text = ItemText(item);
    double x = 0;
    switch (item->GetData()) {
        case kTemplateId:
            layer.SetStratumTemplate(text);
            return true;
        case kDepthScaleId:
            if (!ReadDepthFactor(text, &x)) return false;
            layer.SetStratumDepthFactor(x);
            return true;
        case kZoomId:
            if (!wellitems::ReadScaled(text, 1, Sign::kZeroOrMore, &x)) return false;
            layer.SetStratumTemplateModify(x);
            return true;
        case kUpExtraId:
            if (!wellitems::ReadScaled(text, 1, Sign::kZeroOrMore, &x)) return false;
            layer.SetStratumUpExtra(x);
            return true;
        case kDownExtraId:
            if (!wellitems::ReadScaled(text, 1, Sign::kZeroOrMore, &x)) return false;
            layer.SetStratumDownExtra(x);
            return true;
        case kVerticalReferId: {
            int type = 0;
            if (!ReadFixedList(item, &type)) return false;
            layer.SetStratumVerticalType(type);
            EnableByVerticalType(type);
            return true;
        }
        case kTopAlignId: {
            int align = 0;
            if (!ReadFixedList(item, &align)) return false;
            layer.SetStratumTopAlign(align);
            return true;
        }
        case kDistanceId:
            if (!wellitems::ReadHundredths(item, true, &x)) return false;
            layer.SetStratumVerticalDistance(x);
            return true;
        case kHorizontalReferId: {
            int type = 0;
            if (!ReadFixedList(item, &type)) return false;
            layer.SetStratumHorizontalType(type);
            return true;
        }
        default:
            return false;
    }
}
