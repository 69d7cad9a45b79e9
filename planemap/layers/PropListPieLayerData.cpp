#include "planemap/layers/PropListPieLayerData.h"

#include <utility>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Wicket/DataHelper.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/layers/LayerTexts.h"
#include "planemap/layers/PieItems.h"
#include "planemap/layers/PieTexts.h"

namespace pt = pietext;
using kel::plane::CPieLayer;
using Page = CPropListPieLayerData;

namespace {

namespace dtext {
inline constexpr const char* kShapeDescription = "类型";
inline constexpr const char* kModifyObject = "实时刷新";
inline constexpr const char* kData = "数据";
inline constexpr const char* kSourceDescription = "选择数据来源的类型";
inline constexpr const char* kTable = "表名";
inline constexpr const char* kTableDescription = "选择数据表";
inline constexpr const char* kStratum = "层号";
inline constexpr const char* kStratumDescription = "选择数据分层";
inline constexpr const char* kCount = "属性数";
inline constexpr const char* kCountDescription = "选择绘制饼图的属性个数";
inline constexpr const char* kInitialCount = "3";
inline constexpr const char* kDates = "日期";
inline constexpr const char* kFields = "字段";
inline constexpr const char* kFieldDescription = "选择绘制饼图的属性";
inline constexpr const char* kColorDescription = "指定属性显示的颜色";
inline constexpr const char* kColorControl = "颜色控制";
inline constexpr const char* kColorControlDescription = "是否作为颜色光滑的控制点";
inline constexpr const char* kDate1 = "日期1";
inline constexpr const char* kDate1Description = "选择上半圆数据的日期";
inline constexpr const char* kDate2 = "日期2";
inline constexpr const char* kDate2Description = "选择下半圆数据的日期";
inline constexpr const char* kDateDescription = "选择数据的日期";
inline constexpr const char* kDateBegin = "起始日期";
inline constexpr const char* kDateBeginDescription = "选择数据的起始日期";
inline constexpr const char* kDateEnd = "终止日期";
inline constexpr const char* kDateEndDescription = "选择数据的终止日期";
}  // namespace dtext

constexpr int kInitialRows = 3;
// A multi-column bar chart of dynamic data compares two dates: two properties.
constexpr int kDynamicBarProperties = 2;

constexpr COLORREF kDefaultColors[pt::kMaxProperties] = {
    RGB(255, 0, 0),     RGB(255, 255, 0),  RGB(0, 147, 0),    RGB(255, 173, 91),  RGB(255, 192, 203),
    RGB(0, 85, 0),      RGB(0, 0, 94),     RGB(0, 0, 139),    RGB(75, 0, 130),    RGB(40, 40, 40),
    RGB(0, 0, 0),       RGB(165, 42, 0),   RGB(0, 64, 64),    RGB(139, 0, 0),     RGB(255, 104, 32),
    RGB(139, 139, 0),   RGB(56, 142, 142), RGB(0, 0, 255),    RGB(123, 123, 192), RGB(102, 102, 102),
    RGB(50, 205, 50),   RGB(60, 179, 113), RGB(51, 204, 204), RGB(125, 158, 192), RGB(128, 0, 128),
    RGB(127, 127, 127), RGB(255, 215, 0),  RGB(0, 255, 0),    RGB(0, 255, 255),
};

// The property count: a whole number of at most the most properties a chart shows.
bool ReadRecordCount(const CString& text, int* count) {
    unsigned n = 0;
    if (!numtext::WholeUnsigned(text, &n) || n > static_cast<unsigned>(pt::kMaxProperties)) return false;
    *count = static_cast<int>(n);
    return true;
}

// A colour-control row that cannot be changed (the first and the last row) offers no option, yet
// reads a text reported from code as any row does.
void FixControlRow(CBCGPProp* row) {
    if (!row) return;
    row->RemoveAllOptions();
    SetYesNoProp(row, true);
}

void SetOptions(CBCGPProp* item, const CStringArray& options) {
    if (!item) return;
    item->RemoveAllOptions();
    for (int i = 0; i < options.GetSize(); ++i) item->AddOption(options.GetAt(i));
}

// The stratum at index among a table's; the empty text for an index outside them.
CString StratumAt(const CString& table, int index) {
    CStringArray strata;
    CDataHelper::GetStratumNames(strata, table);
    return index >= 0 && index < strata.GetSize() ? strata.GetAt(index) : CString();
}

// A count a layer may hold as rows: 0 to 29.
int RowsFor(int count) { return count < 0 ? 0 : count > pt::kMaxProperties ? pt::kMaxProperties : count; }

// Which layer date a date item edits.
struct DateItem {
    DWORD_PTR id;
    const char* label;
    const char* description;
    COleDateTime (CPieLayer::*get)() const;
};
constexpr DateItem kHalfPieDates[] = {
    {Page::kDate1Id, dtext::kDate1, dtext::kDate1Description, &CPieLayer::GetDate1},
    {Page::kDate2Id, dtext::kDate2, dtext::kDate2Description, &CPieLayer::GetDate2},
};
constexpr DateItem kFullPieDates[] = {
    {Page::kDate1Id, dtext::kDates, dtext::kDateDescription, &CPieLayer::GetDate1},
};
constexpr DateItem kBarDates[] = {
    {Page::kDateBeginId, dtext::kDateBegin, dtext::kDateBeginDescription, &CPieLayer::GetDateBegin},
    {Page::kDateEndId, dtext::kDateEnd, dtext::kDateEndDescription, &CPieLayer::GetDateEnd},
};

// The date items of a shape for dynamic data; count 0 for none.
struct DateSet {
    const DateItem* items;
    int count;
    bool exactCount;  // kept only while the group holds exactly these items
};
DateSet DatesOf(const CString& shape, const CString& source) {
    if (source != pt::kSourceNames[pt::kDynamicData]) return {nullptr, 0, false};
    if (shape == pt::kShapeNames[pt::kHalfPie]) return {kHalfPieDates, 2, true};
    if (shape == pt::kShapeNames[pt::kFullPie]) return {kFullPieDates, 1, true};
    if (shape == pt::kShapeNames[pt::kMultiBar]) return {kBarDates, 2, false};
    return {nullptr, 0, false};
}

// One channel blended between a at row a and b at row b, for row k, cut toward 0.
int Blend(int a, int b, int rowA, int rowB, int k) {
    const double span = rowB - rowA;
    return static_cast<int>(b * ((k - rowA) / span) + a * ((rowB - k) / span));
}

COLORREF BlendColor(COLORREF a, COLORREF b, int rowA, int rowB, int k) {
    return RGB(Blend(GetRValue(a), GetRValue(b), rowA, rowB, k), Blend(GetGValue(a), GetGValue(b), rowA, rowB, k),
               Blend(GetBValue(a), GetBValue(b), rowA, rowB, k));
}

}  // namespace

// ---- the date item ---------------------------------------------------------------------------------

CPieDateTimeProp::CPieDateTimeProp(const CString& name, const COleDateTime& date, const char* description,
                                   DWORD_PTR data)
    : CBCGPDateTimePropExt(name, date, description, data, CBCGPDateTimeCtrl::DTM_DATE) {}

void CPieDateTimeProp::SetValue(const _variant_t& value) {
    m_bRefused = false;
    m_bReported = true;
    if (value.vt != VT_R8) {
        m_bRefused = !TextToVar(VariantToText(value));
        if (!m_bRefused) CBCGPDateTimePropExt::SetValue(_variant_t(GetDate().m_dt));
        return;
    }
    CBCGPDateTimePropExt::SetValue(value);
}

CPropListPieLayerData* CPieDateTimeProp::Page() const {
    CBCGPPropList* grid = GetPropList();
    return grid ? dynamic_cast<CPropListPieLayerData*>(grid->GetParent()) : nullptr;
}

BOOL CPieDateTimeProp::OnEndEdit() {
    CPropListPieLayerData* page = Page();
    if (!page || !page->GetLayer()) return FALSE;
    m_bRefused = false;
    m_bReported = false;
    // The date the item shows, picked or left as it is, is no edit: nothing is written.
    if (IsCommitUnchanged()) return CBCGPDateTimePropExt::OnEndEdit();
    CBCGPDateTimePropExt::OnEndEdit();
    WriteDate(*page);
    return TRUE;
}

bool CPieDateTimeProp::DateTaken() {
    if (m_bReported && !m_bRefused) {
        if (CPropListPieLayerData* page = Page(); page && page->GetLayer()) WriteDate(*page);
    }
    m_bReported = false;
    return !m_bRefused;
}

void CPieDateTimeProp::WriteDate(CPropListPieLayerData& page) {
    CPieLayer layer(page.GetLayer());
    const COleDateTime date = GetDate();
    switch (GetData()) {
        case CPropListPieLayerData::kDate1Id:
            layer.SetDate1(date);
            break;
        case CPropListPieLayerData::kDate2Id:
            layer.SetDate2(date);
            break;
        case CPropListPieLayerData::kDateBeginId:
            // A begin after the end is refused: the item shows the stored begin, nothing is written
            // or redrawn.
            if (date > layer.GetDateEnd()) {
                m_bRefused = true;
                SetDate(layer.GetDateBegin());
                return;
            }
            layer.SetDateBegin(date);
            break;
        case CPropListPieLayerData::kDateEndId:
            if (date < layer.GetDateBegin()) {
                m_bRefused = true;
                SetDate(layer.GetDateEnd());
                return;
            }
            layer.SetDateEnd(date);
            break;
        default:
            break;
    }
    page.UpdateView();
}

// ---- items -----------------------------------------------------------------------------------------

COLORREF CPropListPieLayerData::DefaultColor(int index) {
    return index >= 0 && index < pt::kMaxProperties ? kDefaultColors[index] : kDefaultColors[pt::kMaxProperties - 1];
}

int CPropListPieLayerData::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    BuildItems(kInitialRows);
    return 0;
}

void CPropListPieLayerData::RebuildProps(int n) { BuildItems(RowsFor(n)); }

void CPropListPieLayerData::BuildItems(int rows) {
    CBCGPProp* basic = new CBCGPProp(pt::kBasic, kBasicGroupId);
    // A shape name is taken also when its family is not offered; any other text is no shape: -1,
    // which the refresh shows as the empty text.
    CFixedListProp* shape =
        NewFixedListItem(planetext::kType, "", dtext::kShapeDescription, kShapeId, pt::kShapes, OtherTakenAs(-1));
    shape->ShowUnlistedAs("");
    basic->AddSubItem(shape);
    basic->AddSubItem(NewYesNoList(dtext::kModifyObject, "", nullptr, kModifyObjectId));
    basic->Expand(TRUE);
    m_wndPropList.AddProperty(basic);

    CBCGPProp* data = new CBCGPProp(dtext::kData, kDataGroupId);
    // A source name is taken also when it is not offered; any other text is refused.
    CFixedListProp* source = NewFixedListItem(planetext::kType, pt::kSourceNames[pt::kWellData],
                                              dtext::kSourceDescription, kSourceId, pt::kSources, kOtherRefused);
    data->AddSubItem(source);
    data->AddSubItem(NewOptionItem(dtext::kTable, "", dtext::kTableDescription, kTableId, {}, false));
    // Every name is read among the strata of the table shown, so the options offered (filled for an
    // earlier table) never decide: a name that is no stratum of it is no stratum, -1, which the
    // refresh shows as the empty text.
    auto* stratum = new CFixedListProp(dtext::kStratum, "", dtext::kStratumDescription, kStratumId, OtherTakenAs(-1));
    stratum->SetOtherRule([this](const CString& text, int* value) {
        *value = GetDataLayerIndex(text);
        return true;
    });
    stratum->ShowUnlistedBy([this](int index) { return StratumAt(ItemText(FindItem(kTableId)), index); });
    data->AddSubItem(stratum);
    CBCGPProp* count =
        NewOptionItem(dtext::kCount, dtext::kInitialCount, dtext::kCountDescription, kCountId, {}, false);
    pieitems::SetCountOptions(count, 1, pt::kMaxProperties);
    data->AddSubItem(count);
    data->AddSubItem(pieitems::NewGroup(dtext::kDates, kDateGroupId, false, true));
    data->Expand(TRUE);
    m_wndPropList.AddProperty(data);

    for (auto [label, id] : {std::pair<const char*, DWORD_PTR>{dtext::kFields, kFieldGroupId},
                             {pt::kColor, kColorGroupId},
                             {dtext::kColorControl, kControlGroupId}}) {
        m_wndPropList.AddProperty(pieitems::NewGroup(label, id, true, true));
    }
    m_nRows = 0;
    for (int i = 0; i < rows; ++i) AddRow(i, dtext::kColorControlDescription);
    m_nRows = rows;
    // The first and the last row are always control points of the colour blend.
    if (rows > 0)
        for (CBCGPProp* fixed : {FindItem(kFirstControlId), FindItem(kFirstControlId + rows - 1)}) FixControlRow(fixed);
    FillTableNameOptions();
    FillFieldOptions();
}

void CPropListPieLayerData::AddRow(int index, const char* controlDescription) {
    const CString label = pt::PropertyLabel(index + 1);
    FindItem(kFieldGroupId)
        ->AddSubItem(NewOptionItem(label, "", dtext::kFieldDescription, kFirstFieldId + index, {}, false));
    CBCGPProp* color = pieitems::NewColorItem(label, dtext::kColorDescription, kFirstColorId + index);
    ShowColor(color, DefaultColor(index));
    FindItem(kColorGroupId)->AddSubItem(color);
    FindItem(kControlGroupId)->AddSubItem(NewYesNoList(label, "", controlDescription, kFirstControlId + index));
}

void CPropListPieLayerData::ResizePropRows(int n) {
    n = RowsFor(n);
    if (n == m_nRows) return;
    CBCGPProp* groups[] = {FindItem(kFieldGroupId), FindItem(kColorGroupId), FindItem(kControlGroupId)};
    if (n < m_nRows) {
        for (CBCGPProp* group : groups) DeleteLastSubItems(group, m_nRows - n);
    } else {
        if (CFixedListProp* last = FixedListOf(FindItem(kFirstControlId + m_nRows - 1)); last && m_nRows > 0) {
            last->ClearEntries();
            last->AddEntries(kYesNoEntries);
            last->AllowEdit(FALSE);
        }
        for (int i = m_nRows; i < n; ++i) AddRow(i, nullptr);
    }
    if (n > 0) FixControlRow(FindItem(kFirstControlId + n - 1));
    m_nRows = n;
    AdjustLayout();
}

// ---- option lists ------------------------------------------------------------------------------------

void CPropListPieLayerData::FillTableNameOptions() {
    const CString source = ItemText(FindItem(kSourceId));
    CStringArray tables;
    if (source == pt::kSourceNames[pt::kWellData]) {
        CDataHelper::GetWellTableName(tables);
    } else if (source == pt::kSourceNames[pt::kScatterData]) {
        CDataHelper::GetScatterTableName(tables);
    } else if (source == pt::kSourceNames[pt::kDynamicData]) {
        for (const char* table : pt::kDynamicTables) tables.Add(table);
    }
    if (source == pt::kSourceNames[pt::kWellData] || source == pt::kSourceNames[pt::kScatterData])
        if (CBCGPProp* dates = FindItem(kDateGroupId)) dates->Expand(FALSE);
    CBCGPProp* table = FindItem(kTableId);
    SetOptions(table, tables);
    SetItemText(table, "");
}

void CPropListPieLayerData::FillFieldOptions() {
    const CString source = ItemText(FindItem(kSourceId));
    const CString table = ItemText(FindItem(kTableId));
    CStringArray fields;
    if (source == pt::kSourceNames[pt::kScatterData])
        CDataHelper::FindScatterTableRecordName(fields, table, 1);
    else
        CDataHelper::FindWellTableRecordName(fields, table, 1);
    CBCGPProp* group = FindItem(kFieldGroupId);
    for (int i = 0; group && i < group->GetSubItemsCount(); ++i) SetOptions(group->GetSubItem(i), fields);
}

void CPropListPieLayerData::FillDataLayerOptions() {
    CStringArray strata;
    CDataHelper::GetStratumNames(strata, ItemText(FindItem(kTableId)));
    CBCGPProp* stratum = FindItem(kStratumId);
    SetOptions(stratum, strata);
    SetItemText(stratum, "");
}

int CPropListPieLayerData::GetDataLayerIndex(const CString& stratum) {
    CStringArray strata;
    CDataHelper::GetStratumNames(strata, ItemText(FindItem(kTableId)));
    for (int i = 0; i < strata.GetSize(); ++i)
        if (strata.GetAt(i) == stratum) return i;
    return -1;
}

// ---- refresh ------------------------------------------------------------------------------------------

void CPropListPieLayerData::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object)) || !m_pLayer) return;
    CPieLayer layer(m_pLayer);
    const int rows = RowsFor(layer.GetRecordCount());
    if (FindItem(kFieldGroupId)->GetSubItemsCount() != rows) {
        m_wndPropList.RemoveAll();
        RebuildProps(rows);
    }
    const int shape = layer.GetShapeType();
    int first = 0, last = -1;
    pt::ShapeFamily(shape, &first, &last);
    CBCGPProp* shapeItem = FindItem(kShapeId);
    if (CFixedListProp* shapes = FixedListOf(shapeItem)) {
        shapes->ClearEntries();
        for (int s = first; s <= last; ++s) shapes->AddEntry(pt::kShapeNames[s], s);
        shapes->AddUnofferedEntries(pt::kShapes);  // a shape of another family is still read
    }
    SetItemText(shapeItem, pt::ShapeName(shape));
    SetYesNoProp(FindItem(kModifyObjectId), layer.GetModifyObject() == 1);

    CBCGPProp* source = FindItem(kSourceId);
    const bool dynamicOffered = shape >= pt::kFullPie && shape <= pt::kMultiBar;
    if (CFixedListProp* sources = FixedListOf(source)) {
        sources->ClearEntries();
        for (const TextValue& type : pt::kSources)
            if (type.value != pt::kDynamicData || dynamicOffered) sources->AddEntry(type.text, type.value);
        sources->AddUnofferedEntries(pt::kSources);  // a source not offered is still read
    }
    SetItemText(source, pt::SourceName(layer.GetDataType()));
    if (shape == pt::kMultiBar) shapeItem->Enable(layer.GetDataType() == pt::kDynamicData ? FALSE : TRUE);
    // After a rebuild and with the layer's own source shown: the items enabled are the ones shown.
    EnableBySource();

    FillTableNameOptions();
    FillFieldOptions();
    SetItemText(FindItem(kTableId), layer.GetTableName());
    FillFieldOptions();

    CBCGPProp* stratum = FindItem(kStratumId);
    CString stratumName;
    if (layer.GetDataType() == pt::kWellData) {
        stratumName = StratumAt(layer.GetTableName(), layer.GetDataLayer());
        if (stratum->GetOptionCount() == 0) FillDataLayerOptions();
    }
    SetItemText(stratum, stratumName);
    SetItemText(FindItem(kCountId), pieitems::Count(layer.GetRecordCount()));
    UpdateDateProps(layer);
    ShowRows(layer);
}

// Strata belong to well data, and well data need a well layer on the map.
void CPropListPieLayerData::EnableBySource() {
    CBCGPProp* table = FindItem(kTableId);
    CBCGPProp* stratum = FindItem(kStratumId);
    if (ItemText(FindItem(kSourceId)) != pt::kSourceNames[pt::kWellData]) {
        stratum->Enable(FALSE);
        table->Enable(TRUE);
        return;
    }
    if (!m_pLayer) return;
    bool wells = false;
    if (CQXMap* map = m_pLayer->GetMap())
        for (int i = 0; !wells && i < map->GetLayerCount(); ++i)
            wells = map->GetLayer(i) && map->GetLayer(i)->GetTypeName() == layertext::kWellLayer;
    table->Enable(wells ? TRUE : FALSE);
    stratum->Enable(wells ? TRUE : FALSE);
}

void CPropListPieLayerData::ShowRows(CPieLayer& layer) {
    const int rows = RowsFor(layer.GetRecordCount());
    for (DWORD_PTR group : {kFieldGroupId, kColorGroupId, kControlGroupId}) {
        if (FindItem(group)->GetSubItemsCount() == rows) continue;
        ResizePropRows(rows);
        FillFieldOptions();
    }
    for (int i = 0; i < rows; ++i) {
        SetItemText(FindItem(kFirstFieldId + i), layer.GetRecordName(i));
        ShowColor(FindItem(kFirstColorId + i), layer.GetColor(i));
        CBCGPProp* control = FindItem(kFirstControlId + i);
        if (control && control->GetOptionCount() > 0) SetYesNoProp(control, layer.GetColorControl(i) == 1);
    }
}

void CPropListPieLayerData::UpdateDateProps(CPieLayer& layer) {
    CBCGPProp* group = FindItem(kDateGroupId);
    const DateSet dates = DatesOf(ItemText(FindItem(kShapeId)), ItemText(FindItem(kSourceId)));
    bool kept = dates.count > 0 && (!dates.exactCount || group->GetSubItemsCount() == dates.count);
    for (int i = 0; kept && i < dates.count; ++i) kept = FindItem(dates.items[i].id) != nullptr;
    if (!kept) {
        DeleteAllSubItems(group);
        for (int i = 0; i < dates.count; ++i)
            group->AddSubItem(new CPieDateTimeProp(dates.items[i].label, (layer.*dates.items[i].get)(),
                                                   dates.items[i].description, dates.items[i].id));
    } else {
        for (int i = 0; i < dates.count; ++i)
            if (auto* item = dynamic_cast<CPieDateTimeProp*>(FindItem(dates.items[i].id)))
                item->SetDate((layer.*dates.items[i].get)());
    }
    CBCGPProp* count = FindItem(kCountId);
    if (dates.items == kBarDates) {
        if (layer.GetRecordCount() != kDynamicBarProperties) layer.SetRecordCount(kDynamicBarProperties);
        count->Enable(FALSE);
    } else {
        count->Enable(TRUE);
    }
    group->Expand(FALSE);
    group->Expand(TRUE);
    AdjustLayout();
}

// ---- edits --------------------------------------------------------------------------------------------

LRESULT CPropListPieLayerData::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || !m_pLayer) return 0;
    CPieLayer layer(m_pLayer);
    const DWORD_PTR id = item->GetData();
    const CString text = ItemText(item);
    // A date the layer refused, picked or set by code, has been shown again by its item: the report
    // writes nothing.
    if (auto* date = dynamic_cast<CPieDateTimeProp*>(item); date && !date->DateTaken()) return 0;
    int count = 0;
    if (id == kCountId && !layer.IsDynamicMultiBar() && !ReadRecordCount(text, &count)) {
        // A refused count writes nothing and redraws nothing; the item shows the stored count.
        SetItemText(item, pieitems::Count(layer.GetRecordCount()));
        return 0;
    }
    // A list's text is read before anything is written: a refused one writes nothing, not even the
    // real-time flag, and only the item shows its text from before.
    int chosen = 0;
    if (FixedListOf(item) && !ReadFixedList(item, &chosen)) return 0;
    layer.SetModifyObject(GetYesNoProp(FindItem(kModifyObjectId)) ? 1 : 0);
    switch (id) {
        case kShapeId:
            layer.SetShapeType(chosen);
            UpdateDateProps(layer);
            break;
        case kModifyObjectId:
            if (chosen) {
                if (layer.IsDynamicMultiBar())
                    layer.BuildDynamicMultiBarObjects();
                else
                    layer.BuildObjects();
            }
            break;
        case kSourceId:
            ChangeSource(layer, chosen);
            break;
        case kTableId:
            layer.SetDataLayer(-1);
            layer.SetTableName(text);
            FillFieldOptions();
            FillDataLayerOptions();
            break;
        case kCountId: {
            if (layer.IsDynamicMultiBar()) break;
            layer.SetRecordCount(count);
            ResizePropRows(count);
            FillFieldOptions();
            CollapseRows();
            break;
        }
        case kStratumId:
            layer.SetDataLayer(chosen);  // the list read the name through GetDataLayerIndex
            break;
        case kDate1Id:
        case kDate2Id:
        case kDateBeginId:
        case kDateEndId:
            return 0;  // the date item wrote the layer itself
        default:
            if (id >= kFirstFieldId && id < kFirstFieldId + pt::kMaxProperties) {
                layer.SetRecordName(static_cast<int>(id - kFirstFieldId), text);
            } else if (id >= kFirstColorId && id < kFirstColorId + pt::kMaxProperties) {
                const int i = static_cast<int>(id - kFirstColorId);
                COLORREF color = 0;
                if (!ReadColor(item, &color)) break;
                layer.SetColor(i, color);
                if (layer.IsDynamicMultiBar())
                    layer.BuildDynamicMultiBarObjects();
                else if (layer.GetDataType() == pt::kDynamicData)
                    layer.BuildObjects();
                SetYesNoProp(FindItem(kFirstControlId + i), true);
                SmoothColors(kFirstControlId + i, 1, color, layer);
            } else if (id >= kFirstControlId && id < kFirstControlId + pt::kMaxProperties) {
                SmoothColors(id, chosen, RowColor(id - kFirstControlId + kFirstColorId), layer);
            }
            break;
    }
    m_wndPropList.AdjustLayout();
    UpdateView();
    return 0;
}

// A new source starts the layer afresh: its objects go, its settings are reset (keeping the shape),
// and table and stratum are chosen again.
void CPropListPieLayerData::ChangeSource(CPieLayer& layer, int newType) {
    const int shape = layer.GetShapeType();
    const int type = layer.GetDataType();
    m_pLayer->DeleteAllObject();
    layer.InitializeLayer();
    layer.SetShapeType(shape);
    layer.SetDataType(type);
    layer.SetTableName("");
    layer.SetDataLayer(-1);
    layer.SetDataType(newType);
    FillTableNameOptions();
    FillFieldOptions();
    FillDataLayerOptions();
    FindItem(kDateGroupId)->Expand(newType == pt::kDynamicData ? TRUE : FALSE);
    CollapseRows();
}

void CPropListPieLayerData::CollapseRows() {
    for (DWORD_PTR group : {kFieldGroupId, kColorGroupId, kControlGroupId}) FindItem(group)->Expand(FALSE);
}

bool CPropListPieLayerData::ShowsYes(DWORD_PTR controlId) { return ItemText(FindItem(controlId)) == grouptext::kYes; }

COLORREF CPropListPieLayerData::RowColor(DWORD_PTR colorId) {
    COLORREF color = 0;
    ReadColor(FindItem(colorId), &color);
    return color;
}

// The colour blend: the edited row becomes (control 1) or stops being (control 0) a control point;
// the rows between it and the nearest control points on either side (the first and the last row
// when there are none) take colours blended in a straight line. The layer keeps the blended
// colours; the colour items show them at the next refresh.
void CPropListPieLayerData::SmoothColors(DWORD_PTR id, int control, COLORREF color, CPieLayer& layer) {
    if (id < kFirstControlId || id >= kFirstControlId + static_cast<DWORD_PTR>(m_nRows)) return;
    layer.SetColorControl(static_cast<int>(id - kFirstControlId), control);
    const int edited = static_cast<int>(id);
    const int first = static_cast<int>(kFirstControlId);
    const int last = first + m_nRows - 1;
    int p = first;
    for (int k = edited - 1; k >= first; --k)
        if (ShowsYes(k)) {
            p = k;
            break;
        }
    int q = last;
    for (int k = edited + 1; k <= last; ++k)
        if (ShowsYes(k)) {
            q = k;
            break;
        }
    auto blend = [&](int a, COLORREF colorA, int b, COLORREF colorB) {
        for (int k = a + 1; k < b; ++k) layer.SetColor(k - first, BlendColor(colorA, colorB, a, b, k));
    };
    const COLORREF colorP = RowColor(p - first + kFirstColorId);
    const COLORREF colorQ = RowColor(q - first + kFirstColorId);
    if (control == 1) {
        blend(p, colorP, edited, color);
        blend(edited, color, q, colorQ);
    } else {
        blend(p, colorP, q, colorQ);
    }
}
