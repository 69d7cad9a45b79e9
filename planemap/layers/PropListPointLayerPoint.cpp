#include "planemap/layers/PropListPointLayerPoint.h"

#include <climits>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/PropDigits.h"
#include "framework/PropStyleCombox.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/TextListCommon.h"

namespace {

constexpr int kMaxDecimals = 5;

// The decimals chosen; false for a text whose number is no int.
bool ReadDecimals(CBCGPProp* item, int* decimals) {
    double value = 0;
    if (!planemap::ReadNumber(ItemText(item), 1, &value) || value < INT_MIN || value > INT_MAX) return false;
    *decimals = static_cast<int>(value);
    return true;
}

// The numbers the page shows, each as the refresh and the re-show after a refusal show it.
struct ShownNumber {
    DWORD_PTR id;
    CString (*text)(const kel::plane::CPointLayer& layer);
};
const ShownNumber kShownNumbers[] = {
    {CPropListPointLayerPoint::kSymbolSizeId,
     [](const kel::plane::CPointLayer& layer) {
         QXLOGPOINT symbol;
         layer.GetSymbolPoint(&symbol);
         return numtext::Fixed(symbol.size / numtext::kHundredths, 2);
     }},
    {CPropListPointLayerPoint::kFontSizeId,
     [](const kel::plane::CPointLayer& layer) {
         QXLOGFONT font;
         layer.GetFont(&font);
         return numtext::Fixed(font.size / numtext::kHundredths, 2);
     }},
    {CPropListPointLayerPoint::kDecimalsId,
     [](const kel::plane::CPointLayer& layer) { return FormatString("%d", layer.GetDecimal()); }},
    {CPropListPointLayerPoint::kAngleId,
     [](const kel::plane::CPointLayer& layer) { return planemap::AngleText(layer.GetAngle()); }},
};

}  // namespace

int CPropListPointLayerPoint::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* symbol = CreatePointProp(planetext::kPointGroup, kSymbolGroupId, planemap::WidthRule());
    symbol->Expand(TRUE);
    m_wndPropList.AddProperty(symbol, TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(planetext::kFontGroup, kFontGroupId, planemap::WidthRule());
    font->AddSubItem(
        CreateIndexProp(planetext::kDecimals, kDecimalsId, planetext::kDecimalsDescription, kMaxDecimals + 1));
    font->AddSubItem(NewYesNoList(planetext::kBackTransparent, "", nullptr, kTransparentId));
    font->AddSubItem(textlist::NewBackColorItem(kBackColorId));
    font->AddSubItem(textlist::NewAngleItem(kAngleId));
    CBCGPProp* place = NewOptionItem(planetext::kPosition, "", planetext::kPosition, kPlaceId, {}, false);
    for (const planemap::Place& p : planemap::kPlaces)
        if (p.offered) place->AddOption(p.text);
    font->AddSubItem(place);
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    return 0;
}

void CPropListPointLayerPoint::RefreshLayer(kel::plane::CPointLayer& layer) {
    QXLOGPOINT symbol;
    layer.GetSymbolPoint(&symbol);
    SetPointProp(FindItem(kSymbolGroupId), symbol);
    QXLOGFONT font;
    layer.GetFont(&font);
    SetFontProp(FindItem(kFontGroupId), font);
    for (const ShownNumber& number : kShownNumbers) SetItemText(FindItem(number.id), number.text(layer));
    ShowTransparent(font);
    ShowColor(FindItem(kBackColorId), font.backColor);
    const planemap::Place* place = planemap::PlaceOf(layer.GetHAlign(), layer.GetVAlign());
    SetItemText(FindItem(kPlaceId), place ? place->text : "");
}

// The background colour counts only while the label's background is not transparent.
void CPropListPointLayerPoint::ShowTransparent(const QXLOGFONT& font) {
    SetYesNoProp(FindItem(kTransparentId), font.transparent == 1);
    if (CBCGPProp* back = FindItem(kBackColorId)) back->Enable(font.transparent == 0 ? TRUE : FALSE);
}

bool CPropListPointLayerPoint::OnLayerItemChanged(kel::plane::CPointLayer& layer, CBCGPProp* item) {
    QXLOGPOINT symbol;
    layer.GetSymbolPoint(&symbol);
    QXLOGFONT font;
    layer.GetFont(&font);
    switch (item->GetData()) {
        case kSymbolGroupId:
        case kSymbolStyleId:
        case kSymbolSizeId:
        case kBorderColorId:
        case kInnerColorId:
            if (!layerpage::ReadGroupEdit(item, symbol)) return false;
            break;
        case kFontGroupId:
        case kFaceId:
        case kFontSizeId:
        case kFontColorId:
            if (!layerpage::ReadGroupEdit(item, font)) return false;
            break;
        case kDecimalsId: {
            int decimals = 0;
            if (!ReadDecimals(item, &decimals)) return false;
            layer.SetDecimal(decimals);
            break;
        }
        case kBackColorId:
            ReadColor(item, &font.backColor);
            break;
        case kTransparentId: {
            const int transparent = ReadYesNo(item) ? 1 : 0;
            font.transparent = transparent;
            if (CBCGPProp* back = FindItem(kBackColorId)) back->Enable(transparent ? FALSE : TRUE);
            break;
        }
        case kAngleId: {
            double radians = 0;
            if (!planemap::ReadAngle(ItemText(item), &radians)) return false;
            layer.SetAngle(radians);
            break;
        }
        case kPlaceId:
            layer.SetAlign(ItemText(item));
            break;
        default:
            break;
    }
    layer.SetSymbolPoint(&symbol);
    layer.SetFont(&font);
    return true;
}

void CPropListPointLayerPoint::ShowStoredItem(kel::plane::CPointLayer& layer, CBCGPProp* item) {
    for (const ShownNumber& number : kShownNumbers)
        if (item->GetData() == number.id) SetItemText(item, number.text(layer));
}
