#include "planemap/PropListContour.h"

#include <cmath>

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropDigits.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "planemap/GeoPenItems.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

constexpr int kDecimalOptions = 5;  // 0 .. 4

// A label distance is shown in whole units: the integer part of the stored value / 100.
CString WholeUnits(double stored) { return numtext::Fixed(std::trunc(stored / 100), 0); }

// A pen width or font size typed in shown units, as the stored value (x100). Accepted when above
// 0, or 0 typed as a number (letters also read as 0); a value the record cannot hold is refused.
bool ReadStoredSize(const CString& text, float* stored) {
    float value = 0;
    if (!planemap::ReadFloatThenScale(text, 100, &value)) return false;
    if (value > 0 || (value == 0 && kel::plane::CPlaneFunc::IsEffectiveFigure(text))) {
        *stored = value;
        return true;
    }
    return false;
}

}  // namespace

CPropListContour::CPropListContour() = default;
CPropListContour::~CPropListContour() = default;

CQXObjectContour* CPropListContour::Contour() const { return dynamic_cast<CQXObjectContour*>(m_pTarget); }

int CPropListContour::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewOptionItem(planetext::kType, "", "", kTypeId, {}, false), TRUE, TRUE);
    m_wndPropList.AddProperty(NewTextItem(geotext::kValue, "", kValueId), TRUE, TRUE);

    auto* line = new CBCGPProp(planetext::kLine, kLineGroupId);
    line->AddSubItem(NewGroupColorProp(grouptext::kColor, geotext::kBoundaryColorDescription, kPenColorId, 0));
    line->AddSubItem(geoitems::NewStylePicker(grouptext::kLineStyle, geotext::kBoundaryStyleDescription, kPenStyleId));
    // The width, size and distance items refuse what their edits below refuse.
    line->AddSubItem(NewSizeTextItem(grouptext::kLineWidth, grouptext::kLineWidthMmDescription, kPenWidthId,
                                     ReaderRule(&ReadStoredSize)));
    line->Expand(TRUE);
    m_wndPropList.AddProperty(line, TRUE, TRUE);

    auto* label = new CBCGPProp(geotext::kLabelGroup, kLabelGroupId);
    label->AddSubItem(CreateYesNoProp(grouptext::kShow, kLabelVisibleId, _variant_t(""), ""));
    label->AddSubItem(NewFontFaceItem(kFontFaceId));
    label->AddSubItem(
        NewSizeTextItem(grouptext::kSize, planetext::kSizeDescription, kFontSizeId, ReaderRule(&ReadStoredSize)));
    label->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kFontColorId, 0));
    label->AddSubItem(
        CreateIndexProp(planetext::kDecimals, kDecimalsId, planetext::kDecimalsDescription, kDecimalOptions));
    label->AddSubItem(
        NewSizeTextItem(geotext::kLabelStart, geotext::kLabelStartDescription, kLabelStartId, WholeAboveZeroRule()));
    label->AddSubItem(
        NewSizeTextItem(planetext::kInterval, planetext::kIntervalDescription, kLabelSpacingId, WholeAboveZeroRule()));
    label->AddSubItem(CreateYesNoProp(planetext::kBackTransparent, kBackTransparentId, _variant_t(""), ""));
    label->AddSubItem(NewGroupColorProp(planetext::kBackColor, geotext::kLabelBackDescription, kBackColorId, 0));
    label->Expand(TRUE);
    m_wndPropList.AddProperty(label, TRUE, TRUE);
    return 0;
}

void CPropListContour::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectContour* contour = Contour();
    if (!contour) return;
    SetItemText(FindItem(kTypeId), contour->GetTypeName());

    // The value is one contour's own: shown and editable for a single selected contour only.
    const bool single = m_pLayer && m_pLayer->GetSelectedObjectCount() == 1;
    if (CBCGPProp* value = FindItem(kValueId)) {
        value->SetValue(_variant_t(single ? contour->GetLabel() : CString()));
        value->Enable(single);
    }

    QXLOGPEN pen;
    contour->GetLogPen(&pen);
    geoitems::ShowPen(FindItem(kPenStyleId), FindItem(kPenColorId), FindItem(kPenWidthId), pen, 2);
    RefreshLabel(contour);
}

void CPropListContour::RefreshLabel(CQXObjectContour* contour) {
    QXLOGFONT font;
    contour->GetLogFont(&font);
    if (CBCGPProp* visible = FindItem(kLabelVisibleId)) SetYesNoProp(visible, contour->GetLabelVisible() == 1);
    SetItemText(FindItem(kFontFaceId), font.GetFaceName());
    ShowColor(FindItem(kFontColorId), font.color);
    for (DWORD_PTR id : {kFontSizeId, kDecimalsId, kLabelStartId, kLabelSpacingId}) ShowStored(FindItem(id), contour);
    if (CBCGPProp* transparent = FindItem(kBackTransparentId)) SetYesNoProp(transparent, font.transparent == 1);
    if (CBCGPProp* back = FindItem(kBackColorId)) {
        ShowColor(back, font.backColor);
        back->Enable(font.transparent == 0);
    }
}

LRESULT CPropListContour::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectContour* contour = Contour();
    if (!item || !contour) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = contour->GetLayer();
    const CString typeName = contour->GetTypeName();
    QXLOGFONT font;
    contour->GetLogFont(&font);
    const DWORD_PTR id = item->GetData();
    bool written = true;

    switch (id) {
        case kValueId:
            ApplyValue(contour, ItemText(item));
            break;
        case kPenStyleId:
        case kPenColorId:
            geoitems::ApplyPenItem(contour, item, static_cast<int>(id - kPenStyleId));
            break;
        case kPenWidthId:
            ApplyPenWidth(contour, item);
            break;
        case kLabelVisibleId:
            SetSameTypeObjects(layer, &CQXObjectContour::SetLabelVisible, ReadYesNo(item) ? 1 : 0, typeName);
            break;
        case kFontFaceId:
            font.SetFaceName(ItemText(item));
            SetSameTypeObjects(layer, &CQXObjectContour::SetLogFont, &font, typeName);
            break;
        case kFontSizeId:
            ApplyFontSize(contour, item, font);
            break;
        case kFontColorId:
            if (ReadColor(item, &font.color)) SetSameTypeObjects(layer, &CQXObjectContour::SetLogFont, &font, typeName);
            break;
        case kDecimalsId: {
            int decimals = 0;
            written = numtext::LeadingInt(ItemText(item), &decimals);
            if (written) SetSameTypeObjects(layer, &CQXObjectContour::SetDecimal, decimals, typeName);
            break;
        }
        case kLabelStartId:
            ApplyDistance(contour, item, true);
            break;
        case kLabelSpacingId:
            ApplyDistance(contour, item, false);
            break;
        case kBackTransparentId:
            font.transparent = ReadYesNo(item) ? 1 : 0;
            SetSameTypeObjects(layer, &CQXObjectContour::SetLogFont, &font, typeName);
            if (CBCGPProp* back = FindItem(kBackColorId)) back->Enable(font.transparent == 0);
            break;
        case kBackColorId:
            if (ReadColor(item, &font.backColor))
                SetSameTypeObjects(layer, &CQXObjectContour::SetLogFont, &font, typeName);
            break;
        default:
            break;
    }
    // A decimals text that is no number writes nothing and tells nobody; the item shows the stored
    // value again. The width, size and distance items read by the readers used here, so a text
    // those refuse never comes here.
    if (!written) {
        ShowStored(item, contour);
        return 0;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// A refused width, size, count or distance shows the stored value as the refresh shows it, also when
// the item itself refused the text.
void CPropListContour::ShowItemAgain(CBCGPProp* item) {
    CQXObjectContour* contour = Contour();
    if (item && contour) ShowStored(item, contour);
}

void CPropListContour::ShowStored(CBCGPProp* item, CQXObjectContour* contour) {
    if (!item) return;
    switch (item->GetData()) {
        case kPenWidthId: {
            QXLOGPEN pen;
            contour->GetLogPen(&pen);
            ShowStoredHundredths(item, pen.width);
            break;
        }
        case kFontSizeId: {
            QXLOGFONT font;
            contour->GetLogFont(&font);
            ShowStoredHundredths(item, font.size);
            break;
        }
        case kDecimalsId:
            SetItemText(item, FormatString("%d", contour->GetDecimal()));
            break;
        case kLabelStartId:
            SetItemText(item, WholeUnits(contour->GetStartDistance()));
            break;
        case kLabelSpacingId:
            SetItemText(item, WholeUnits(contour->GetLabelDistance()));
            break;
        default:
            CWndLstPlane::ShowItemAgain(item);
            break;
    }
}

// The value is the contour's name and label; setting the decimals again formats the label.
void CPropListContour::ApplyValue(CQXObjectContour* contour, const CString& text) {
    CQXLayer* layer = contour->GetLayer();
    const CString typeName = contour->GetTypeName();
    const int decimals = contour->GetDecimal();
    SetSameTypeObjects(layer, &CQXObject::SetName, text, typeName);
    SetSameTypeObjects(layer, &CQXObjectContour::SetLabel, text, typeName);
    SetSameTypeObjects(layer, &CQXObjectContour::SetDecimal, decimals, typeName);
}

void CPropListContour::ApplyPenWidth(CQXObjectContour* contour, CBCGPProp* item) {
    QXLOGPEN pen;
    contour->GetLogPen(&pen);
    if (!ReadStoredSize(ItemText(item), &pen.width)) return;
    SetSameTypeObjects(contour->GetLayer(), &CQXObjectLine::SetLogPen, &pen, contour->GetTypeName());
}

void CPropListContour::ApplyFontSize(CQXObjectContour* contour, CBCGPProp* item, QXLOGFONT& font) {
    if (!ReadStoredSize(ItemText(item), &font.size)) return;
    SetSameTypeObjects(contour->GetLayer(), &CQXObjectContour::SetLogFont, &font, contour->GetTypeName());
}

// Distances are typed in whole units and stored x100; only a positive distance is taken.
void CPropListContour::ApplyDistance(CQXObjectContour* contour, CBCGPProp* item, bool start) {
    int units = 0;
    if (!ReadWholeAboveZero(ItemText(item), &units)) return;
    // 64 bits: a large typed number must not wrap into a negative or small distance.
    const long long stored = static_cast<long long>(units) * 100;
    SetSameTypeObjects(contour->GetLayer(),
                       start ? &CQXObjectContour::SetStartDistance : &CQXObjectContour::SetLabelDistance,
                       static_cast<double>(stored), contour->GetTypeName());
}
