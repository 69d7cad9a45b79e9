#include "planemap/PropListLegend.h"

#include <utility>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "planemap/FurnitureTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 0,
    kTitleGroupId = 2000,
    kTitleId = 2001,
    kTitleFontGroupId = 2002,
    kTitleFaceId = 2003,
    kTitleSizeId = 2004,
    kTitleColorId = 2005,
    kFrameGroupId = 2006,
    kFrameStyleId = 2007,
    kFrameWidthId = 2008,
    kFrameColorId = 2009,
    kEntryGroupId = 2010,
    kEntryFontGroupId = 2012,
    kEntryFaceId = 2013,
    kEntrySizeId = 2014,
    kEntryColorId = 2015,
    kOutlineGroupId = 2016,
    kOutlineStyleId = 2017,
    kOutlineWidthId = 2018,
    kOutlineColorId = 2019,
    kEntryWidthId = 2020,
    kEntryHeightId = 2021,
    kSpacingId = 2022,
    kLeftMarginId = 2023,
    kTopMarginId = 2024,
    kColumnsId = 2025,
    kTextPositionId = 2026,
};

namespace ft = furnituretext;

CString ItemText(CBCGPProp* item) { return item ? VariantToText(item->GetValue()) : CString(); }

// Hundredths stored, shown "%.2f".
CString HundredthsText(double value) {
    CString text;
    text.Format("%.2f", value / 100.0);
    return text;
}

CBCGPProp* NewLengthItem(const char* name, DWORD_PTR id) { return new CBCGPProp(name, _variant_t(""), "", id); }

// The sub-item's position in its group: 0 face or style, 1 size or width, 2 colour.
int PositionInGroup(DWORD_PTR id, DWORD_PTR group) { return static_cast<int>(id - group - 1); }

// Changes one field of font from a font-group sub-item; false when nothing is to be written
// (a size that is not above 0, or no number).
bool EditFont(QXLOGFONT& font, CBCGPProp* item, int position) {
    switch (position) {
    case 0:
        font.SetFaceName(ItemText(item));
        return true;
    case 1: {
        double size = 0;
        if (!furniture::ReadNumber(ItemText(item), 100, &size) || !(static_cast<float>(size) > 0)) return false;
        font.size = static_cast<float>(size);
        return true;
    }
    default: {
        auto* colour = dynamic_cast<CBCGPColorProp*>(item);
        if (!colour) return false;
        font.color = colour->GetColor();
        return true;
    }
    }
}

// The same for a line-group sub-item; a width that is no number writes nothing.
bool EditPen(QXLOGPEN& pen, CBCGPProp* item, int position) {
    switch (position) {
    case 0: {
        auto* picker = dynamic_cast<CPropStyleCombox*>(item);
        if (!picker) return false;
        pen.style = picker->GetVal();
        return true;
    }
    case 1: {
        double width = 0;
        if (!furniture::ReadNumber(ItemText(item), 100, &width)) return false;
        pen.width = static_cast<float>(width);
        return true;
    }
    default: {
        auto* colour = dynamic_cast<CBCGPColorProp*>(item);
        if (!colour) return false;
        pen.color = colour->GetColor();
        return true;
    }
    }
}

}  // namespace

CPropListLegend::CPropListLegend() = default;
CPropListLegend::~CPropListLegend() = default;

CQXObjectLegend* CPropListLegend::Legend() const { return dynamic_cast<CQXObjectLegend*>(m_pTarget); }

int CPropListLegend::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(ft::kLegendKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* title = new CBCGPProp(ft::kTitleSettings, kTitleGroupId);
    title->AddSubItem(new CBCGPProp(ft::kName, _variant_t(""), "", kTitleId));
    CBCGPProp* titleFont = CreateFontProp(ft::kFontSettings, kTitleFontGroupId);
    titleFont->Expand(TRUE);
    title->AddSubItem(titleFont);
    title->Expand(TRUE);
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    CBCGPProp* frame = CreateLineProp(ft::kFrameLineSettings, kFrameGroupId, false);
    frame->Expand(TRUE);
    m_wndPropList.AddProperty(frame, TRUE, TRUE);

    auto* entries = new CBCGPProp(ft::kLegendSettings, kEntryGroupId);
    CBCGPProp* entryFont = CreateFontProp(ft::kFontSettings, kEntryFontGroupId);
    entryFont->Expand(TRUE);
    entries->AddSubItem(entryFont);
    CBCGPProp* outline = CreateLineProp(ft::kOutlineSettings, kOutlineGroupId, false);
    outline->Expand(TRUE);
    entries->AddSubItem(outline);
    entries->Expand(TRUE);
    m_wndPropList.AddProperty(entries, TRUE, TRUE);

    m_wndPropList.AddProperty(NewLengthItem(ft::kEntryWidth, kEntryWidthId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewLengthItem(ft::kEntryHeight, kEntryHeightId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewLengthItem(ft::kEntrySpacing, kSpacingId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewLengthItem(ft::kLeftMargin, kLeftMarginId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewLengthItem(ft::kTopMargin, kTopMarginId), TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPProp(ft::kColumns, _variant_t(0), "", kColumnsId), TRUE, TRUE);

    auto* position = new CBCGPProp(ft::kTextPosition, _variant_t(""), "", kTextPositionId);
    for (const furniture::TextValue& entry : furniture::kTextPositions) position->AddOption(entry.text);
    position->AllowEdit(FALSE);
    m_wndPropList.AddProperty(position, TRUE, TRUE);
    return 0;
}

void CPropListLegend::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectLegend* legend = Legend();
    if (!legend) return;
    QXLOGFONT titleFont, entryFont;
    legend->GetLogFont(&titleFont);
    legend->GetLegendFont(&entryFont);
    QXLOGPEN framePen, outlinePen;
    legend->GetLogPen(&framePen);
    legend->GetOuterLineLogPen(&outlinePen);

    if (CBCGPProp* title = FindItem(kTitleId)) title->SetValue(_variant_t(legend->GetTitle()));
    SetFontProp(FindItem(kTitleFontGroupId), titleFont);
    SetLineProp(FindItem(kFrameGroupId), framePen);
    SetFontProp(FindItem(kEntryFontGroupId), entryFont);
    SetLineProp(FindItem(kOutlineGroupId), outlinePen);
    const std::pair<DWORD_PTR, double> lengths[] = {{kEntryWidthId, legend->m_dLegendWidth},
                                                    {kEntryHeightId, legend->m_dLegendHeight},
                                                    {kSpacingId, legend->GetDSpace()},
                                                    {kLeftMarginId, legend->GetLSpace()},
                                                    {kTopMarginId, legend->GetTSpace()}};
    for (const auto& [id, value] : lengths)
        if (CBCGPProp* item = FindItem(id)) item->SetValue(_variant_t(HundredthsText(value)));
    if (CBCGPProp* columns = FindItem(kColumnsId)) columns->SetValue(_variant_t(legend->GetColCount()));
    if (CBCGPProp* position = FindItem(kTextPositionId))
        position->SetValue(_variant_t(furniture::TextOfValue(furniture::kTextPositions, legend->GetFontPosition(),
                                                             furniture::kTextPositionOtherText)));
}

LRESULT CPropListLegend::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectLegend* legend = Legend();
    if (!item || !legend) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = legend->GetLayer();
    const CString typeName = legend->GetTypeName();

    switch (item->GetData()) {
    case kTitleId:
        SetSameTypeObjects(layer, &CQXObjectLegend::SetTitle, ItemText(item), typeName);
        break;
    case kTitleFaceId:
    case kTitleSizeId:
    case kTitleColorId:
        ApplyTitleFont(legend, item);
        break;
    case kFrameStyleId:
    case kFrameWidthId:
    case kFrameColorId:
        ApplyPen(legend, item, true);
        break;
    case kEntryFaceId:
    case kEntrySizeId:
    case kEntryColorId:
        ApplyEntryFont(legend, item);
        break;
    case kOutlineStyleId:
    case kOutlineWidthId:
    case kOutlineColorId:
        ApplyPen(legend, item, false);
        break;
    case kEntryWidthId:
    case kEntryHeightId:
    case kSpacingId:
    case kLeftMarginId:
    case kTopMarginId:
        ApplyLength(legend, item);
        break;
    case kColumnsId:
        ApplyColumns(legend, item);
        break;
    case kTextPositionId:
        SetSameTypeObjects(layer, &CQXObjectLegend::SetFontPosition,
                           furniture::ValueOfText(furniture::kTextPositions, ItemText(item),
                                                  furniture::kTextPositionDefault),
                           typeName);
        break;
    default:
        break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// The shown legend's title font with one field changed, written to every legend of the type.
void CPropListLegend::ApplyTitleFont(CQXObjectLegend* legend, CBCGPProp* item) {
    QXLOGFONT font;
    legend->GetLogFont(&font);
    if (!EditFont(font, item, PositionInGroup(item->GetData(), kTitleFontGroupId))) return;
    SetSameTypeObjects(legend->GetLayer(), &CQXObjectLegend::SetLogFont, &font, legend->GetTypeName());
}

// Face and size reach every legend of the type; the colour the shown legend only.
void CPropListLegend::ApplyEntryFont(CQXObjectLegend* legend, CBCGPProp* item) {
    QXLOGFONT font;
    legend->GetLegendFont(&font);
    if (!EditFont(font, item, PositionInGroup(item->GetData(), kEntryFontGroupId))) return;
    if (item->GetData() == kEntryColorId)
        legend->SetLegendFont(&font);
    else
        SetSameTypeObjects(legend->GetLayer(), &CQXObjectLegend::SetLegendFont, &font, legend->GetTypeName());
}

void CPropListLegend::ApplyPen(CQXObjectLegend* legend, CBCGPProp* item, bool frame) {
    QXLOGPEN pen;
    if (frame)
        legend->GetLogPen(&pen);
    else
        legend->GetOuterLineLogPen(&pen);
    if (!EditPen(pen, item, PositionInGroup(item->GetData(), frame ? kFrameGroupId : kOutlineGroupId))) return;
    SetSameTypeObjects(legend->GetLayer(), frame ? &CQXObjectLegend::SetLogPen : &CQXObjectLegend::SetOuterLineLogPen,
                       &pen, legend->GetTypeName());
}

// Entry size (shown legend only) and spacings (every legend of the type), in hundredths. A text
// that is no number writes nothing.
void CPropListLegend::ApplyLength(CQXObjectLegend* legend, CBCGPProp* item) {
    double value = 0;
    if (!furniture::ReadNumber(ItemText(item), 100, &value)) return;
    CQXLayer* layer = legend->GetLayer();
    const CString typeName = legend->GetTypeName();
    switch (item->GetData()) {
    case kEntryWidthId: legend->m_dLegendWidth = value; break;
    case kEntryHeightId: legend->m_dLegendHeight = value; break;
    case kSpacingId: SetSameTypeObjects(layer, &CQXObjectLegend::SetDSpace, value, typeName); break;
    case kLeftMarginId: SetSameTypeObjects(layer, &CQXObjectLegend::SetLSpace, value, typeName); break;
    default: SetSameTypeObjects(layer, &CQXObjectLegend::SetTSpace, value, typeName); break;
    }
}

// Fewer than one column puts the stored count back.
void CPropListLegend::ApplyColumns(CQXObjectLegend* legend, CBCGPProp* item) {
    const int count = crt::Atoi(ItemText(item));
    if (count < 1) {
        item->SetValue(_variant_t(legend->GetColCount()));
        return;
    }
    SetSameTypeObjects(legend->GetLayer(), &CQXObjectLegend::SetColCount, count, legend->GetTypeName());
}
