#include "planemap/PropListTable.h"

#include <algorithm>

#include "bcg/ColorProp.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/TableWebShapeTexts.h"

using namespace planemap;

namespace {

namespace st = shapetext;

// The style of a cell brush that leaves the cell unfilled: its fill colour means nothing then.
constexpr UINT kUnfilledStyle = 1000;

// Each ruling line's group and the table's pen it edits in place.
struct Border {
    DWORD_PTR groupId;
    const char* label;
    QXLOGPEN& (CQXObjectCell::*pen)();
};
constexpr Border kBorders[] = {
    {CPropListTable::kTopBorderId, st::kTopBorder, &CQXObjectCell::TopBorderPen},
    {CPropListTable::kBottomBorderId, st::kBottomBorder, &CQXObjectCell::BottomBorderPen},
    {CPropListTable::kLeftBorderId, st::kLeftBorder, &CQXObjectCell::LeftBorderPen},
    {CPropListTable::kRightBorderId, st::kRightBorder, &CQXObjectCell::RightBorderPen},
    {CPropListTable::kCenterBorderId, st::kCenterBorder, &CQXObjectCell::CenterBorderPen},
};

QXLOGPEN* BorderPen(CQXObjectCell* table, DWORD_PTR groupId) {
    for (const Border& border : kBorders)
        if (border.groupId == groupId) return &(table->*border.pen)();
    return nullptr;
}

}  // namespace

CPropListTable::CPropListTable() = default;
CPropListTable::~CPropListTable() = default;

CQXObjectCell* CPropListTable::Table() const { return dynamic_cast<CQXObjectCell*>(m_pTarget); }

int CPropListTable::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(st::kTableKind, kTypeId), TRUE, TRUE);

    auto* borders = new CBCGPProp(planetext::kPenSettings, kBorderSettingsId);
    // A width is read by the line group's own rule, the font size as typed (see ApplyFont).
    for (const Border& border : kBorders) borders->AddSubItem(CreateLineProp(border.label, border.groupId, false));
    m_wndPropList.AddProperty(borders, TRUE, TRUE);

    m_wndPropList.AddProperty(CreateColorProp(st::kCellFillColor, kFillColorId, ""), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateFontProp(st::kDefaultFontSettings, kFontGroupId, FloatRule(100)), TRUE, TRUE);

    auto* align = new CBCGPProp(st::kAlignSettings, kAlignGroupId);
    align->AddSubItem(NewAlignItem(true, grouptext::kHorizontal, "", "", kHAlignId, true));
    align->AddSubItem(NewAlignItem(false, grouptext::kVertical, "", "", kVAlignId, true));
    m_wndPropList.AddProperty(align, TRUE, TRUE);
    return 0;
}

CPropListTable::CellRange CPropListTable::SelectWholeTableIfNone(CQXObjectCell* table) {
    CellRange r{};
    table->GetSelectedRange(r.firstColumn, r.lastColumn, r.firstRow, r.lastRow);
    if (r.firstColumn == -1 || r.firstRow == -1) {
        r = {0, table->GetColumnCount() - 1, 0, table->GetRowCount() - 1};
        table->SetSelectedRange(r.firstColumn, r.lastColumn, r.firstRow, r.lastRow);
    }
    return r;
}

// Bounds outside the table hold no cells, so the walk stays inside it.
template <class Fn>
void CPropListTable::ForEachCell(CQXObjectCell* table, const CellRange& range, Fn fn) {
    const int lastColumn = std::min(range.lastColumn, table->GetColumnCount() - 1);
    const int lastRow = std::min(range.lastRow, table->GetRowCount() - 1);
    for (int c = std::max(range.firstColumn, 0); c <= lastColumn; ++c)
        for (int r = std::max(range.firstRow, 0); r <= lastRow; ++r)
            if (COneCell* cell = table->GetCell(c, r)) fn(cell);
}

// The list is active only for one selected table; a refresh for one table starts with every
// item enabled again, so that an earlier multiple selection or unfilled cell leaves no trace.
void CPropListTable::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    if (GetSelectionCount() != 1) {
        EnableAllItems(FALSE);
        return;
    }
    EnableAllItems(TRUE);
    CQXObjectCell* table = Table();
    if (!table) return;
    const CellRange range = SelectWholeTableIfNone(table);
    for (const Border& border : kBorders) SetLineProp(FindItem(border.groupId), (table->*border.pen)());
    // A table without a cell at the range's start has nothing to show in the cell items.
    if (COneCell* cell = table->GetCell(range.firstColumn, range.firstRow)) RefreshCellItems(cell);
}

void CPropListTable::RefreshCellItems(COneCell* cell) {
    const QXLOGBRUSH& brush = cell->GetLogBrush();
    if (auto* fill = dynamic_cast<CBCGPColorProp*>(FindItem(kFillColorId))) {
        fill->SetColor(brush.fillColor);
        if (brush.style == kUnfilledStyle) fill->Enable(FALSE);
    }
    QXLOGFONT font;
    cell->GetLogFont(&font);
    SetFontProp(FindItem(kFontGroupId), font);
    SetItemText(FindItem(kHAlignId), HAlignText(cell->GetHAlign()));
    SetItemText(FindItem(kVAlignId), VAlignText(cell->GetVAlign()));
}

LRESULT CPropListTable::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectCell* table = Table();
    if (!item || !table) {
        UpdateView();
        return 0;
    }
    const CellRange range = SelectWholeTableIfNone(table);
    CBCGPProp* parent = item->GetParent();
    const DWORD_PTR parentId = parent ? parent->GetData() : 0;

    // A ruling pen or the font takes the edited field; every other field keeps its stored value, so
    // a pick never rewrites a width or size from its rounded text, and a stored width out of reach
    // of the reader never blocks a picked style or colour. The width and size items read by the
    // rules used here, so no refused field comes here.
    if (QXLOGPEN* pen = BorderPen(table, parentId)) {
        ReadEditedField(item, *pen);
    } else if (parentId == kFontGroupId) {
        ApplyFont(table, range, parent, item);
    } else {
        switch (item->GetData()) {
            case kFillColorId:
                ApplyFillColor(table, range, item);
                break;
            case kHAlignId:
                ApplyAlign(table, range, item, true);
                break;
            case kVAlignId:
                ApplyAlign(table, range, item, false);
                break;
            default:
                break;
        }
    }
    table->OnChanged(0);
    UpdateView();
    return 0;
}

// The font the group shows (the range's first cell's) with the edited field changed, to every cell
// of the range. A size that is no number gives 0, a negative one the table's default size (the size
// item reads by this reader, so it refuses one too large for the record).
void CPropListTable::ApplyFont(CQXObjectCell* table, const CellRange& range, CBCGPProp* group, CBCGPProp* item) {
    QXLOGFONT font;
    if (COneCell* first = table->GetCell(range.firstColumn, range.firstRow)) first->GetLogFont(&font);
    if (item == group->GetSubItem(1)) {
        float size = 0;
        if (!ReadFloat(ItemText(item), 100, &size)) return;
        font.size = size < 0 ? table->GetDefaultFont()->size : size;
    } else if (!ReadEditedField(item, font)) {
        return;
    }
    ForEachCell(table, range, [&](COneCell* cell) { cell->SetLogFont(&font); });
}

void CPropListTable::ApplyFillColor(CQXObjectCell* table, const CellRange& range, CBCGPProp* item) {
    COLORREF value = 0;
    if (!ReadColor(item, &value)) return;
    ForEachCell(table, range, [&](COneCell* cell) {
        QXLOGBRUSH brush = cell->GetLogBrush();
        brush.fillColor = value;
        cell->SetLogBrush(brush);
    });
}

// Each cell keeps its alignment in the other direction.
void CPropListTable::ApplyAlign(CQXObjectCell* table, const CellRange& range, CBCGPProp* item, bool horizontal) {
    int align = 0;
    ReadFixedList(item, &align);  // any text: an option's alignment, else the last
    if (horizontal)
        ForEachCell(table, range, [&](COneCell* cell) { cell->SetAlign(align, cell->GetVAlign()); });
    else
        ForEachCell(table, range, [&](COneCell* cell) { cell->SetAlign(cell->GetHAlign(), align); });
}
