#include "planemap/layers/PropListContourLayerLine.h"

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/AttributeLayerTexts.h"
#include "planemap/layers/ContourTexts.h"
#include "planemap/layers/LayerTexts.h"
#include "planemap/layers/PropLstPlaneExContour.h"

namespace {

using kel::plane::CContourLayer;

// The modes and colourings stand for their positions; any other text is refused.
constexpr TextValue kModes[] = {{contourtext::kUniform, 0}, {contourtext::kCustom, 1}};
constexpr TextValue kColorTypes[] = {{contourtext::kScaleColor, 0}, {contourtext::kUniform, 1}};

// The option at a stored index; a negative index counts as 0.
void ShowIndex(CBCGPProp* item, const TextValue (&options)[2], int index) {
    SetItemText(item, options[index > 0 ? (index > 1 ? 1 : index) : 0].text);
}

}  // namespace

int CPropListContourLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewYesNoList(grouptext::kShow, "", nullptr, kVisibleId), TRUE, TRUE);

    auto* line = new CBCGPProp(layertext::kLineSettings, kLineGroupId);
    auto* mode = new CPropLstPlaneExContour(contourtext::kMode, "", contourtext::kModeDescription, kModeId,
                                            CPropLstPlaneExContour::kLineMode, contourtext::kMoreButton);
    for (const TextValue& option : kModes) mode->AddOption(option.text, TRUE);
    mode->SetOwner(this);
    line->AddSubItem(mode);
    line->AddSubItem(NewFixedListItem(contourtext::kColorSetting, "", contourtext::kColorSettingDescription,
                                      kColorTypeId, kColorTypes, kOtherRefused));
    line->AddSubItem(NewGroupColorProp(grouptext::kColor, attrtext::kLineColorDescription, kColorId, 0));
    line->AddSubItem(geoitems::NewStylePicker(grouptext::kLineStyle, grouptext::kLineStylePlainDescription, kStyleId));
    line->AddSubItem(
        NewSizeTextItem(grouptext::kLineWidth, attrtext::kLineSizeDescription, kWidthId, planemap::WidthRule()));
    line->Expand(TRUE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);

    auto* label = new CBCGPProp(contourtext::kLabelSettings, kLabelGroupId);
    label->AddSubItem(new CPropStyleCombox(grouptext::kFontFace, grouptext::kDefaultFontFace,
                                           grouptext::kFontFaceDescription, kFontId));
    label->AddSubItem(
        NewSizeTextItem(grouptext::kSize, grouptext::kPointSizeDescription, kFontSizeId, planemap::WidthRule()));
    label->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kFontColorId, 0));
    label->AddSubItem(planemap::NewCountItem(planetext::kDecimals, planetext::kDecimalsDescription, kDecimalsId,
                                             {"0", "1", "2", "3", "4"}));
    label->AddSubItem(planemap::NewCountItem(geotext::kLabelStart, geotext::kLabelStartDescription, kBeginPosId, {}));
    label->AddSubItem(planemap::NewCountItem(planetext::kInterval, planetext::kIntervalDescription, kIntervalId, {}));
    label->AddSubItem(NewYesNoList(planetext::kBackTransparent, "", nullptr, kTransparentId));
    label->AddSubItem(NewGroupColorProp(planetext::kBackColor, geotext::kLabelBackDescription, kBackColorId, 0));
    label->Expand(TRUE);
    m_wndPropList.AddProperty(label, TRUE, TRUE);
    return 0;
}

void CPropListContourLayerLine::EnableGroups(bool enable) {
    for (DWORD_PTR id : {kLineGroupId, kLabelGroupId}) EnableAllSubItems(FindItem(id), enable ? TRUE : FALSE);
}

// Custom lines, or hidden ones, grey the colouring and the pen; uniform visible lines enable them,
// the colour only while the colouring is uniform.
void CPropListContourLayerLine::ApplyModeRule(int mode, int visible, int colorType) {
    const bool on = mode == 0 && visible != 0;
    for (DWORD_PTR id : {kColorTypeId, kStyleId, kWidthId})
        if (CBCGPProp* item = FindItem(id)) item->Enable(on);
    if (CBCGPProp* colour = FindItem(kColorId)) colour->Enable(on && colorType > 0);
}

void CPropListContourLayerLine::RefreshLayer(CContourLayer& layer) {
    const int visible = layer.GetLineVisible();
    SetYesNoProp(FindItem(kVisibleId), visible == 1);
    EnableGroups(visible == 1);

    if (auto* mode = dynamic_cast<CPropLstPlaneExContour*>(FindItem(kModeId))) {
        ShowIndex(mode, kModes, layer.GetLineMode());
        mode->SetContourLayer(layer.GetLayer());
    }
    ShowIndex(FindItem(kColorTypeId), kColorTypes, layer.GetLineColorType());
    QXLOGPEN pen;
    if (layer.GetLayer()) layer.GetLayer()->GetLogPen(&pen);
    geoitems::ShowPen(FindItem(kStyleId), FindItem(kColorId), FindItem(kWidthId), pen, 2);

    if (auto* face = dynamic_cast<CPropStyleCombox*>(FindItem(kFontId))) SetItemText(face, layer.GetLabelFontName());
    planemap::ShowStoredHundredths(FindItem(kFontSizeId), layer.GetLabelFontSize());
    ShowColor(FindItem(kFontColorId), layer.GetLabelFontColor());
    SetItemText(FindItem(kDecimalsId), FormatString("%d", layer.GetLabelDotCount()));
    SetItemText(FindItem(kBeginPosId), FormatString("%d", layer.GetLabelBeginPos()));
    SetItemText(FindItem(kIntervalId), FormatString("%d", layer.GetLabelInterval()));
    const int transparent = layer.GetLabelFontTransParent();
    SetYesNoProp(FindItem(kTransparentId), transparent == 1);
    ShowColor(FindItem(kBackColorId), layer.GetLabelFontBackColor());

    ApplyModeRule(layer.GetLineMode() < 0 ? 0 : layer.GetLineMode(), visible, layer.GetLineColorType());
    if (CBCGPProp* back = FindItem(kBackColorId)) back->Enable(transparent == 0);
}

bool CPropListContourLayerLine::OnLayerItemChanged(CContourLayer& layer, CBCGPProp* item) {
    auto count = [&](void (CContourLayer::*set)(int)) {
        int value = 0;
        if (!planemap::ReadCount(ItemText(item), &value)) return false;
        (layer.*set)(value);
        return true;
    };
    int chosen = 0;
    switch (item->GetData()) {
        case kVisibleId: {
            const bool on = ReadYesNo(item);
            layer.SetLineVisible(on ? 1 : 0);
            EnableGroups(on);
            break;
        }
        case kModeId:
            // The mode item, a two-button item, offers the modes: any other text is refused.
            chosen = ValueOfText(kModes, ItemText(item), -1);
            if (chosen < 0) return false;
            layer.SetLineMode(chosen);
            ApplyModeRule(chosen, layer.GetLineVisible(), layer.GetLineColorType());
            break;
        case kColorTypeId:
            if (!ReadFixedList(item, &chosen)) return false;
            layer.SetLineColorType(chosen);
            if (CBCGPProp* colour = FindItem(kColorId)) colour->Enable(chosen != 0);
            break;
        case kColorId: {
            COLORREF color = 0;
            if (ReadColor(item, &color)) layer.SetLineColor(color);
            break;
        }
        case kStyleId:
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(item)) layer.SetLineStyle(picker->GetVal());
            break;
        case kWidthId: {
            float width = 0;
            if (!planemap::ReadWidth(ItemText(item), &width)) return false;
            layer.SetLineSize(width);
            break;
        }
        case kFontId:
            layer.SetLabelFontName(ItemText(item));
            break;
        case kFontSizeId: {
            float size = 0;
            if (!planemap::ReadWidth(ItemText(item), &size)) return false;
            layer.SetLabelFontSize(size);
            break;
        }
        case kFontColorId: {
            COLORREF color = 0;
            if (ReadColor(item, &color)) layer.SetLabelFontColor(color);
            break;
        }
        case kDecimalsId:
            return count(&CContourLayer::SetLabelDotCount);
        case kBeginPosId:
            return count(&CContourLayer::SetLabelBeginPos);
        case kIntervalId:
            return count(&CContourLayer::SetLabelInterval);
        case kTransparentId: {
            const bool transparent = ReadYesNo(item);
            layer.SetLabelFontTransParent(transparent ? 1 : 0);
            if (CBCGPProp* back = FindItem(kBackColorId)) back->Enable(!transparent);
            break;
        }
        case kBackColorId: {
            COLORREF color = 0;
            if (ReadColor(item, &color)) layer.SetLabelFontBackColor(color);
            break;
        }
        default:
            break;
    }
    return true;
}

// The modes and numbers as the refresh shows them.
void CPropListContourLayerLine::ShowStoredItem(CContourLayer& layer, CBCGPProp* item) {
    switch (item->GetData()) {
        case kModeId:
            ShowIndex(item, kModes, layer.GetLineMode());
            break;
        case kColorTypeId:
            ShowIndex(item, kColorTypes, layer.GetLineColorType());
            break;
        case kWidthId:
            if (layer.GetLayer()) {
                QXLOGPEN pen;
                layer.GetLayer()->GetLogPen(&pen);
                planemap::ShowStoredHundredths(item, pen.width);
            }
            break;
        case kFontSizeId:
            planemap::ShowStoredHundredths(item, layer.GetLabelFontSize());
            break;
        case kDecimalsId:
            SetItemText(item, FormatString("%d", layer.GetLabelDotCount()));
            break;
        case kBeginPosId:
            SetItemText(item, FormatString("%d", layer.GetLabelBeginPos()));
            break;
        case kIntervalId:
            SetItemText(item, FormatString("%d", layer.GetLabelInterval()));
            break;
        default:
            break;
    }
}
