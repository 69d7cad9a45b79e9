#include "planemap/PropListLegend.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "planemap/FurnitureTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

namespace ft = furnituretext;

}  // namespace

CPropListLegend::CPropListLegend() = default;
CPropListLegend::~CPropListLegend() = default;

CQXObjectLegend* CPropListLegend::Legend() const { return dynamic_cast<CQXObjectLegend*>(m_pTarget); }

int CPropListLegend::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(ft::kLegendKind, kTypeId), TRUE, TRUE);

    auto* title = new CBCGPProp(planetext::kTitleSettings, kTitleGroupId);
    title->AddSubItem(NewTextItem(ft::kName, "", kTitleId));
    // Every width, size and number item refuses what its edit below refuses.
    CBCGPProp* titleFont =
        CreateFontProp(planetext::kFontSettings, kTitleFontGroupId, HundredthsRule(Accept::AboveZero));
    titleFont->Expand(TRUE);
    title->AddSubItem(titleFont);
    title->Expand(TRUE);
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    CBCGPProp* frame = CreateLineProp(ft::kFrameLineSettings, kFrameGroupId, false, HundredthsRule(Accept::ZeroOrMore));
    frame->Expand(TRUE);
    m_wndPropList.AddProperty(frame, TRUE, TRUE);

    auto* entries = new CBCGPProp(ft::kLegendSettings, kEntryGroupId);
    CBCGPProp* entryFont =
        CreateFontProp(planetext::kFontSettings, kEntryFontGroupId, HundredthsRule(Accept::AboveZero));
    entryFont->Expand(TRUE);
    entries->AddSubItem(entryFont);
    CBCGPProp* outline =
        CreateLineProp(ft::kOutlineSettings, kOutlineGroupId, false, HundredthsRule(Accept::ZeroOrMore));
    outline->Expand(TRUE);
    entries->AddSubItem(outline);
    entries->Expand(TRUE);
    m_wndPropList.AddProperty(entries, TRUE, TRUE);

    m_wndPropList.AddProperty(NewSizeTextItem(ft::kEntryWidth, "", kEntryWidthId, LengthRule(100)), TRUE, TRUE);
    m_wndPropList.AddProperty(NewSizeTextItem(ft::kEntryHeight, "", kEntryHeightId, LengthRule(100)), TRUE, TRUE);
    m_wndPropList.AddProperty(NewSizeTextItem(ft::kEntrySpacing, "", kSpacingId, NumberRule(100)), TRUE, TRUE);
    m_wndPropList.AddProperty(NewSizeTextItem(ft::kLeftMargin, "", kLeftMarginId, NumberRule(100)), TRUE, TRUE);
    m_wndPropList.AddProperty(NewSizeTextItem(ft::kTopMargin, "", kTopMarginId, NumberRule(100)), TRUE, TRUE);
    m_wndPropList.AddProperty(new CBCGPropSizeText(ft::kColumns, _variant_t(0), "", kColumnsId, WholeAboveZeroRule()),
                              TRUE, TRUE);

    m_wndPropList.AddProperty(NewFixedListItem(ft::kTextPosition, "", "", kTextPositionId, furniture::kTextPositions,
                                               OtherTakenAs(furniture::kTextPositionDefault)),
                              TRUE, TRUE);
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

    SetItemText(FindItem(kTitleId), legend->GetTitle());
    SetFontProp(FindItem(kTitleFontGroupId), titleFont);
    SetLineProp(FindItem(kFrameGroupId), framePen);
    SetFontProp(FindItem(kEntryFontGroupId), entryFont);
    SetLineProp(FindItem(kOutlineGroupId), outlinePen);
    for (DWORD_PTR id : {kEntryWidthId, kEntryHeightId, kSpacingId, kLeftMarginId, kTopMarginId, kColumnsId})
        ShowStored(FindItem(id), legend);
    SetItemText(FindItem(kTextPositionId),
                TextOfValue(furniture::kTextPositions, legend->GetFontPosition(), furniture::kTextPositionOtherText));
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

    // Each number item reads by the rule its edit below reads it by, so no refused number comes here.
    switch (item->GetData()) {
        case kTitleId:
            SetSameTypeObjects(layer, &CQXObjectLegend::SetTitle, ItemText(item), typeName);
            break;
        case kTitleFaceId:
        case kTitleSizeId:
        case kTitleColorId:
            // The shown legend's title font with one field changed, written to every legend of the type.
            EditSameTypeFont(legend, item, kTitleFontGroupId);
            break;
        case kFrameStyleId:
        case kFrameWidthId:
        case kFrameColorId:
            EditSameTypePen(legend, item, kFrameGroupId);
            break;
        case kEntryFaceId:
        case kEntrySizeId:
        case kEntryColorId:
            ApplyEntryFont(legend, item);
            break;
        case kOutlineStyleId:
        case kOutlineWidthId:
        case kOutlineColorId:
            EditSameTypeRecord(legend, &CQXObjectLegend::GetOuterLineLogPen, &CQXObjectLegend::SetOuterLineLogPen, item,
                               SubItemPosition(item->GetData(), kOutlineGroupId), Accept::ZeroOrMore);
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
            SetSameTypeFromList(layer, &CQXObjectLegend::SetFontPosition, item, typeName);
            break;
        default:
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// A refused column count shows the stored count again; other refused items keep their text.
void CPropListLegend::ShowItemAgain(CBCGPProp* item) {
    CQXObjectLegend* legend = Legend();
    if (item && legend && item->GetData() == kColumnsId)
        ShowStored(item, legend);
    else
        CWndLstPlane::ShowItemAgain(item);
}

// A length or the column count as the refresh shows it.
void CPropListLegend::ShowStored(CBCGPProp* item, CQXObjectLegend* legend) {
    if (!item) return;
    switch (item->GetData()) {
        case kColumnsId:
            item->SetValue(_variant_t(legend->GetColCount()));
            break;
        case kEntryWidthId:
            ShowStoredHundredths(item, legend->m_dLegendWidth);
            break;
        case kEntryHeightId:
            ShowStoredHundredths(item, legend->m_dLegendHeight);
            break;
        case kSpacingId:
            ShowStoredHundredths(item, legend->GetDSpace());
            break;
        case kLeftMarginId:
            ShowStoredHundredths(item, legend->GetLSpace());
            break;
        case kTopMarginId:
            ShowStoredHundredths(item, legend->GetTSpace());
            break;
        default:
            break;
    }
}

// Face and size reach every legend of the type; the colour the shown legend only.
void CPropListLegend::ApplyEntryFont(CQXObjectLegend* legend, CBCGPProp* item) {
    QXLOGFONT font;
    legend->GetLegendFont(&font);
    if (!EditFont(font, item, SubItemPosition(item->GetData(), kEntryFontGroupId))) return;
    if (item->GetData() == kEntryColorId)
        legend->SetLegendFont(&font);
    else
        SetSameTypeObjects(legend->GetLayer(), &CQXObjectLegend::SetLegendFont, &font, legend->GetTypeName());
}

// Entry size (shown legend only) and spacings (every legend of the type), in hundredths; a text
// that is no number stores 0 (the items refuse a negative entry size).
void CPropListLegend::ApplyLength(CQXObjectLegend* legend, CBCGPProp* item) {
    double value = 0;
    const bool entrySize = item->GetData() == kEntryWidthId || item->GetData() == kEntryHeightId;
    if (!(entrySize ? ReadLength(ItemText(item), 100, &value) : ReadNumber(ItemText(item), 100, &value))) return;
    CQXLayer* layer = legend->GetLayer();
    const CString typeName = legend->GetTypeName();
    switch (item->GetData()) {
        case kEntryWidthId:
            legend->m_dLegendWidth = value;
            break;
        case kEntryHeightId:
            legend->m_dLegendHeight = value;
            break;
        case kSpacingId:
            SetSameTypeObjects(layer, &CQXObjectLegend::SetDSpace, value, typeName);
            break;
        case kLeftMarginId:
            SetSameTypeObjects(layer, &CQXObjectLegend::SetLSpace, value, typeName);
            break;
        default:
            SetSameTypeObjects(layer, &CQXObjectLegend::SetTSpace, value, typeName);
            break;
    }
}

// The item refuses fewer than one column.
void CPropListLegend::ApplyColumns(CQXObjectLegend* legend, CBCGPProp* item) {
    int count = 0;
    if (!ReadWholeAboveZero(ItemText(item), &count)) return;
    SetSameTypeObjects(legend->GetLayer(), &CQXObjectLegend::SetColCount, count, legend->GetTypeName());
}
