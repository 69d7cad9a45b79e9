#include "planemap/PropListBorder.h"

#include <cstring>
#include <utility>

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/MapFunc.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "planemap/BorderPages.h"
#include "planemap/BorderTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

// The frame pens and the title font, each through three items in a row.
constexpr BorderRecordSlot<QXLOGPEN> kFramePens[] = {
    {CPropListBorder::kOuterPenId + 1, &CQXObjectBorder::GetOuterLogPen, &CQXObjectBorder::SetOuterLogPen},
    {CPropListBorder::kInnerPenId + 1, &CQXObjectBorder::GetInnerLogPen, &CQXObjectBorder::SetInnerLogPen},
};
constexpr BorderRecordSlot<QXLOGFONT> kTitleFontSlot[] = {
    {CPropListBorder::kTitleFontId + 1, &CQXObjectBorder::GetTitleFont, &CQXObjectBorder::SetTitleFont},
};

// The alias the title shows for a stratum: the stratum table's alias when the table knows the
// text at the grade of the map's stratum, else the text itself.
CString StratumAlias(CQXLayer* layer, const CString& text) {
    int grade = 0;
    CString mapStratum;
    if (!layer || !CMapFunc::GetStratum(layer->GetMap(), grade, mapStratum)) return text;
    CStratumManager* strata = CWellDataManager::Instance()->GetStratumManager();
    const STRATUM* record = strata ? strata->GetStratum(grade, text) : nullptr;
    if (!record) return text;
    return CString(record->alias, static_cast<int>(strnlen(record->alias, STRATUM::kTextSize)));
}

}  // namespace

void SetSameTypeBorderExtent(CQXLayer* layer, CQXObject::CONTROLNODE node, double value, const CString& typeName) {
    ForSameTypeObjects<CQXObjectBorder>(layer, typeName,
                                        [&](CQXObjectBorder* border) { border->SetBorderExtent(node, value); });
}

void SetSameTypeBorderBrush(CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName) {
    SetSameTypeObjects(layer, &CQXObjectBorder::SetLogBrush, brush, typeName);
}

CPropListBorder::CPropListBorder() = default;
CPropListBorder::~CPropListBorder() = default;

CQXObjectBorder* CPropListBorder::Border() const { return dynamic_cast<CQXObjectBorder*>(m_pTarget); }

int CPropListBorder::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    using namespace bordertext;

    m_wndPropList.AddProperty(NewTypeItem(kBorderKind, kUnnumberedId), TRUE, TRUE);

    auto* frame = new CBCGPProp(kFrameSettings, kUnnumberedId);
    auto* extent = new CBCGPProp(kExtent, kExtentGroupId);
    // Each item refuses what its edit below refuses.
    for (const auto& [name, id] :
         {std::pair{kXFrom, kXFromId}, std::pair{kXTo, kXToId}, std::pair{kYFrom, kYFromId}, std::pair{kYTo, kYToId}})
        extent->AddSubItem(NewSizeTextItem(name, name, id, NumberRule(1)));
    frame->AddSubItem(extent);
    for (const auto& [name, id] : {std::pair{kOuterFrame, kOuterPenId}, std::pair{kInnerFrame, kInnerPenId}}) {
        CBCGPProp* pen = CreateLineProp(name, id, false, HundredthsRule(Accept::ZeroOrMore));
        pen->Expand(TRUE);
        frame->AddSubItem(pen);
    }
    frame->AddSubItem(NewSizeTextItem(kFrameDistance, kFrameDistanceDescription, kFrameDistanceId, LengthRule(100)));
    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_pFillGroup->Expand(TRUE);
    frame->AddSubItem(m_pFillGroup);
    m_wndPropList.AddProperty(frame, TRUE, TRUE);

    auto* title = new CBCGPProp(planetext::kTitleSettings, kTitleGroupId);
    title->AddSubItem(NewTextItem(kPrefix, kPrefixDescription, kPrefixId));
    title->AddSubItem(NewTextItem(kStratum, kStratumDescription, kStratumId));
    title->AddSubItem(NewTextItem(kPostfix, kPostfixDescription, kPostfixId));
    title->AddSubItem(CreateFontProp(planetext::kFontSettings, kTitleFontId, HundredthsRule(Accept::AboveZero)));
    title->AddSubItem(NewSizeTextItem(kTitleOffset, kTitleOffsetDescription, kTitleOffsetId, AboveZeroRule(100)));
    m_wndPropList.AddProperty(title, TRUE, TRUE);
    return 0;
}

// Values are shown for exactly one selected object; with none or several the whole page is
// disabled. Every item is enabled again first, so that one border selected after several can
// be edited.
void CPropListBorder::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectBorder* border = Border();
    if (!border) return;
    if (GetSelectionCount() != 1) {
        EnableAllItems(FALSE);
        return;
    }
    for (DWORD_PTR id : {kXFromId, kXToId, kYFromId, kYToId, kFrameDistanceId, kTitleOffsetId})
        ShowStored(FindItem(id), border);

    QXLOGPEN pen;
    border->GetOuterLogPen(&pen);
    SetLineProp(FindItem(kOuterPenId), pen);
    border->GetInnerLogPen(&pen);
    SetLineProp(FindItem(kInnerPenId), pen);

    QXLOGBRUSH brush;
    border->GetLogBrush(&brush);
    if (m_pFillGroup) SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);

    SetItemText(FindItem(kPrefixId), border->GetPrefix());
    SetItemText(FindItem(kStratumId), border->GetStratum());
    SetItemText(FindItem(kPostfixId), border->GetPostfix());
    QXLOGFONT font;
    border->GetTitleFont(&font);
    SetFontProp(FindItem(kTitleFontId), font);
}

LRESULT CPropListBorder::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    // The border the edit writes from and a refusal shows: the shown one, or the selected border of
    // its type the edit reaches when the selection changed since the page showed it.
    CQXObjectBorder* border = WrittenObject(Border());
    if (!item || !border) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = border->GetLayer();
    const CString typeName = border->GetTypeName();
    const CString text = ItemText(item);
    const DWORD_PTR id = item->GetData();
    double value = 0;
    bool written = true;

    switch (id) {
        case kXFromId:
        case kXToId:
        case kYFromId:
        case kYToId:
            written = ApplyExtent(item, border);
            break;
        case kOuterPenId + 1:
        case kOuterPenId + 2:
        case kOuterPenId + 3:
        case kInnerPenId + 1:
        case kInnerPenId + 2:
        case kInnerPenId + 3:  // style, width in millimetres (0 or more), colour
            written = ApplyBorderRecordItem(kFramePens, border, item, Accept::ZeroOrMore) != RecordEdit::kRefused;
            break;
        case kFrameDistanceId:
            written = ReadLength(text, 100, &value);
            if (written) {
                SetSameTypeObjects(layer, &CQXObjectBorder::SetBorderWidth, value, typeName);
                ShowStoredHundredths(item, value);
            }
            break;
        case kPrefixId:
            SetSameTypeObjects(layer, &CQXObjectBorder::SetPrefix, text, typeName);
            break;
        case kStratumId:
            ApplyStratum(border, text);
            break;
        case kPostfixId:
            SetSameTypeObjects(layer, &CQXObjectBorder::SetPostfix, text, typeName);
            break;
        case kTitleFontId + 1:
        case kTitleFontId + 2:
        case kTitleFontId + 3:  // face, size (more than 0), colour
            written = ApplyBorderRecordItem(kTitleFontSlot, border, item, Accept::AboveZero) != RecordEdit::kRefused;
            break;
        case kTitleOffsetId:
            written = ReadAboveZero(text, 100, &value);
            if (written) {
                SetSameTypeObjects(layer, &CQXObjectBorder::SetTitleDist, value, typeName);
                ShowStoredHundredths(item, value);
            }
            break;
        default:
            if (id > kPlaneFillGroupId) written = ApplyFillItem(item, border);
            break;
    }
    // A number refused here (by a reader the item was not built with) writes nothing
    // and tells nobody; the item shows the stored value as the refresh shows it. A number taken
    // shows as the refresh shows it too: the shown border is written only while it is selected, so
    // no refresh may follow to replace a typed "-0" or "abc".
    if (!written) {
        ShowStored(item, border);
        return 0;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// The extent, frame distance and title offset items show the stored value, "%.2f"; the pen widths,
// the font size and the cell size are shown again by their own edits.
void CPropListBorder::ShowStored(CBCGPProp* item, CQXObjectBorder* border) {
    if (!item) return;
    const FLOATRECT extent = border->GetBorderExtent();
    switch (item->GetData()) {
        case kXFromId:
            ShowFixed(item, extent.left, 2);
            break;
        case kXToId:
            ShowFixed(item, extent.right, 2);
            break;
        case kYFromId:
            ShowFixed(item, extent.bottom, 2);
            break;
        case kYToId:
            ShowFixed(item, extent.top, 2);
            break;
        case kFrameDistanceId:
            ShowStoredHundredths(item, border->GetBorderWidth());
            break;
        case kTitleOffsetId:
            ShowStoredHundredths(item, border->GetTitleDist());
            break;
        default:
            break;
    }
}

// One edge of the extent; not checked, so a text that is no number gives 0 (only a number beyond a
// double is refused).
bool CPropListBorder::ApplyExtent(CBCGPProp* item, CQXObjectBorder* border) {
    double value = 0;
    if (!ReadNumber(ItemText(item), 1, &value)) return false;
    CQXObject::CONTROLNODE node = CQXObject::NODE_TOP;
    switch (item->GetData()) {
        case kXFromId:
            node = CQXObject::NODE_LEFT;
            break;
        case kXToId:
            node = CQXObject::NODE_RIGHT;
            break;
        case kYFromId:
            node = CQXObject::NODE_BOTTOM;
            break;
        default:
            break;
    }
    SetSameTypeBorderExtent(border->GetLayer(), node, value, border->GetTypeName());
    ShowFixed(item, value, 2);
    return true;
}

// A sub-item of the frame band's fill group (7001-7006), read as every fill group is read; false
// for a refused cell size or an empty style set, which show themselves again.
bool CPropListBorder::ApplyFillItem(CBCGPProp* item, CQXObjectBorder* border) {
    QXLOGBRUSH brush;
    border->GetLogBrush(&brush);
    if (ShowRefusedFillItem(item, brush)) return false;
    if (ReadFillSubItem(item, &brush)) SetSameTypeBorderBrush(border->GetLayer(), &brush, border->GetTypeName());
    return true;
}

void CPropListBorder::ApplyStratum(CQXObjectBorder* border, const CString& text) {
    CQXLayer* layer = border->GetLayer();
    const CString typeName = border->GetTypeName();
    SetSameTypeObjects(layer, &CQXObjectBorder::SetStratum, text, typeName);
    SetSameTypeObjects(layer, &CQXObjectBorder::SetStratumAlias, StratumAlias(layer, text), typeName);
}
