#include "wellplot/intervals/LstColth.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstColth, CLstContent)

namespace {

constexpr const char* kOilBearing = "含油性";
constexpr const char* kLithology = "岩性";
constexpr int kHiddenLithologyCode = 1000;  // a lithology type never offered

// A fixed list that starts empty, its options filled later.
CBCGPProp* NewFixedList(const char* name, DWORD_PTR id, const char* description = "") {
    return NewOptionItem(name, "", description, id, {}, false);
}

CBCGPProp* NewCollapsedGroup(const char* name, DWORD_PTR id) {
    auto* group = new CBCGPProp(name, id);
    group->Expand(FALSE);
    return group;
}

// A code table seen through the manager's count, name and label operations.
struct CodeTable {
    int count;
    CString (LogCorelithMgrIO::*name)(int);
    CString (LogCorelithMgrIO::*label)(int);
};

// The label of the entry whose name is name (the first, compared exactly); the name itself when
// no entry has it.
CString LabelOfName(LogCorelithMgrIO* codes, const CodeTable& table, const CString& name) {
    for (int k = 0; k < table.count; ++k)
        if ((codes->*table.name)(k) == name) return (codes->*table.label)(k);
    return name;
}

// Options: the empty text, then every entry's label.
void OfferLabels(CBCGPProp* item, LogCorelithMgrIO* codes, const CodeTable& table) {
    item->AddOption("", TRUE);
    for (int k = 0; k < table.count; ++k) item->AddOption((codes->*table.label)(k), TRUE);
}

// A column's width share: a text that is no number reads 0.
CBCGPProp* NewShareItem(const char* name, DWORD_PTR id) {
    return NewSizeTextItem(name, "", id, ReaderRule(numtext::LeadingNumber));
}

CodeTable Colors(LogCorelithMgrIO* codes) {
    return {codes->GetColorCount(), &LogCorelithMgrIO::GetColorEntryName, &LogCorelithMgrIO::GetColorEntryLabel};
}
CodeTable CtOils(LogCorelithMgrIO* codes) {
    return {codes->GetCtOilCount(), &LogCorelithMgrIO::GetCtOilEntryName, &LogCorelithMgrIO::GetCtOilEntryLabel};
}
CodeTable ColthTypes(LogCorelithMgrIO* codes) {
    return {codes->GetColthTypeCount(), &LogCorelithMgrIO::GetColthTypeEntryName,
            &LogCorelithMgrIO::GetColthTypeEntryLabel};
}

// What an interval shows for a stored name: the label of its entry in the table, or the name itself
// without code tables.
CString ShownLabel(LogCorelithMgrIO* codes, CodeTable (*table)(LogCorelithMgrIO*), const CString& name) {
    return codes ? LabelOfName(codes, table(codes), name) : name;
}

// The oil column kind of the kit's data (1 oil-bearing levels, 2 contents); 0 without a record.
int OilKind(CWpCorelith* kit) {
    WDMgrIO* data = WellDataOf(kit);
    LOGCORELITH record;
    return data && data->FindData(kit->GetData(), record) ? record.oilKind : 0;
}

}  // namespace

CString CodeNameOfLabel(const CString& label) {
    const int open = label.Find('(');
    return open < 0 ? label : label.Left(open);
}

CLstColth::CLstColth() = default;
CLstColth::~CLstColth() = default;

CWpCorelith* CLstColth::Kit() const { return SelectedKit<CWpCorelith>(); }
CBCGPProp* CLstColth::Item(DWORD_PTR id) const { return m_wndPropList.FindItemByData(id, TRUE); }

int CLstColth::InitPropWnd() {
    if (CLstContent::InitPropWnd() == -1) return -1;

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    source->AddSubItem(NewSegmentSourceItem(kSourceTypeId));
    source->AddSubItem(NewFixedList(ivtext::kDataTable, kTableId));
    source->AddSubItem(NewFixedList("岩性全称字段", kCorelithFieldId));
    source->AddSubItem(NewFixedList("颜色代码字段", kColorFieldId));
    source->AddSubItem(NewFixedList("含油性代码字段", kOilCodeFieldId));
    source->AddSubItem(NewFixedList("岩性代码字段", kCorelithCodeFieldId));
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* display = new CBCGPProp(ivtext::kDisplay, kDisplayGroupId);
    CBCGPProp* names = NewCollapsedGroup(ivtext::kName, kNameGroupId);
    names->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kNameShowId));
    // The font, line and point groups are read whole (GetFontProp, GetLineProp, GetPointProp), by
    // their builders' own rules.
    names->AddSubItem(CreateFontProp(ivtext::kFontSetting, kNameFontId));
    display->AddSubItem(names);
    CBCGPProp* line = NewCollapsedGroup(ivtext::kDivideLine, kDivideLineGroupId);
    line->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kDivideLineShowId));
    line->AddSubItem(CreateLineProp(ivtext::kLineSetting, kDivideLinePenId, false));
    display->AddSubItem(line);
    CBCGPProp* points = NewCollapsedGroup("分界点", kDividePointGroupId);
    points->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kDividePointShowId));
    points->AddSubItem(CreatePointProp("点型设置", kDividePointStyleId));
    display->AddSubItem(points);
    CBCGPProp* widths = NewCollapsedGroup("参数宽度", kWidthGroupId);
    widths->AddSubItem(NewShareItem("颜色", kColorWidthId));
    widths->AddSubItem(NewShareItem(kOilBearing, kCtOilWidthId));
    auto* lithology = new CBCGPProp(kLithology, _variant_t(""), "", kColthWidthId);
    lithology->AllowEdit(FALSE);
    widths->AddSubItem(lithology);
    display->AddSubItem(widths);
    display->AddSubItem(NewYesNoList("背景色", "", nullptr, kBackColorId));
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    CBCGPProp* current = NewSegDepthGroup(kCurrentSegGroupId, kTopId, kBottomId);
    current->AddSubItem(new CBCGPProp("岩性名称", _variant_t(""), "岩性的指定名称", kColthNameId));
    current->AddSubItem(NewFixedList("颜色属性", kColorNameId));
    current->AddSubItem(NewFixedList(kOilBearing, kCtOilNameId));
    current->AddSubItem(NewFixedList(kLithology, kColthTypeId));
    m_wndPropList.AddProperty(current, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstColth::RefreshFromKit() {
    CWpCorelith* kit = Kit();
    if (!kit) return;
    CLstContent::RefreshFromKit();
    ShowSource(kit);
    ShowDisplay(kit);
    ShowActiveSeg(kit);
}

void CLstColth::ShowSource(CWpCorelith* kit) {
    CBCGPProp* group = Item(kSourceGroupId);
    CBCGPProp* table = Item(kTableId);
    if (!group || !table) return;
    ClearDataSourceOptions(group);
    const int source = kit->GetDataSource();
    SetItemText(Item(kSourceTypeId), TextOfValue(kSegmentSources, source, ivtext::kGraphic));
    if (source == CORELITH_WELL) {
        EnableDataSourceItems(group, FALSE);
        ResetCorelithTableOptions(group);
        table->Enable(TRUE);
    } else if (source == CORELITH_DISCRETE) {
        EnableDataSourceItems(group, TRUE);
        AddSegmentDataOptions(table);
    } else {
        EnableDataSourceItems(group, FALSE);
    }
    SetItemText(table, kit->GetTableName().c_str());
    ApplyCorelithTable(kit, group);
    SetItemText(Item(kCorelithFieldId), kit->GetCorelithField().c_str());
    SetItemText(Item(kColorFieldId), kit->GetColorField().c_str());
    SetItemText(Item(kOilCodeFieldId), kit->GetOilCodeField().c_str());
    SetItemText(Item(kCorelithCodeFieldId), kit->GetCorelithCodeField().c_str());
}

void CLstColth::ShowDisplay(CWpCorelith* kit) {
    SetYesNoProp(Item(kNameShowId), kit->IsNameVisible());
    if (CBCGPProp* font = Item(kNameFontId)) SetFontProp(font, kit->GetNameFont());
    SetYesNoProp(Item(kDivideLineShowId), kit->IsDivideLineVisible());
    if (CBCGPProp* pen = Item(kDivideLinePenId)) SetLineProp(pen, kit->GetDivideLogPen());
    SetYesNoProp(Item(kDividePointShowId), kit->IsDividePointVisible());
    if (CBCGPProp* point = Item(kDividePointStyleId)) SetPointProp(point, kit->GetDivideLogPoint());
    for (DWORD_PTR id : {kColorWidthId, kCtOilWidthId, kColthWidthId}) ShowKitValue(Item(id));
    SetYesNoProp(Item(kBackColorId), kit->UseColthBkColor());
}

void CLstColth::ShowActiveSeg(CWpCorelith* kit) {
    const int i = kit->GetActiveSeg();
    if (i < 0) {
        ClearSubItems(Item(kCurrentSegGroupId));
        return;
    }
    for (DWORD_PTR id : {kTopId, kBottomId, kColthNameId}) ShowKitValue(Item(id));
    LogCorelithMgrIO* codes = kit->GetColthMgr();
    CBCGPProp* color = Item(kColorNameId);
    CBCGPProp* oil = Item(kCtOilNameId);
    CBCGPProp* type = Item(kColthTypeId);
    if (!codes || !color || !oil || !type) return;

    color->RemoveAllOptions();
    OfferLabels(color, codes, Colors(codes));
    ShowKitValue(color);

    oil->RemoveAllOptions();
    const int oilKind = OilKind(kit);
    if (oilKind == 1 || oilKind == 2) {
        OfferLabels(oil, codes, CtOils(codes));
        ShowKitValue(oil);
    }

    type->RemoveAllOptions();
    type->AddOption("", TRUE);
    const CodeTable types = ColthTypes(codes);
    for (int k = 0; k < types.count; ++k)
        if (codes->GetColthTypeEntryCode(k) != kHiddenLithologyCode)
            type->AddOption(codes->GetColthTypeEntryLabel(k), TRUE);
    ShowKitValue(type);
}

// A share as "%0.2f" and the active interval's names (see ActiveSegText).
bool CLstColth::KitText(CBCGPProp* item, CString* text) {
    CWpCorelith* kit = Kit();
    if (!kit || !item) return false;
    switch (item->GetData()) {
        case kColorWidthId:
            *text = numtext::Fixed(kit->GetColorPer(), 2);
            return true;
        case kCtOilWidthId:
            *text = numtext::Fixed(kit->GetCtOilPer(), 2);
            return true;
        case kColthWidthId:
            *text = numtext::Fixed(kit->GetColthTypePer(), 2);
            return true;
        case kColthNameId:
        case kColorNameId:
        case kCtOilNameId:
        case kColthTypeId:
            *text = ActiveSegText(kit, item->GetData());
            return true;
        default:
            return CLstContent::KitText(item, text);
    }
}

// The active interval's name as stored, its colour, oil-bearing level (or content) and lithology
// type as the label of the code-table entry of that name; empty without an active interval (the
// interval getters are then not asked).
CString CLstColth::ActiveSegText(CWpCorelith* kit, DWORD_PTR id) {
    const int i = kit->GetActiveSeg();
    if (i < 0) return CString();
    LogCorelithMgrIO* codes = kit->GetColthMgr();
    switch (id) {
        case kColthNameId:
            return kit->GetColthName(i);
        case kColorNameId:
            return ShownLabel(codes, Colors, kit->GetColorName(i));
        case kCtOilNameId:
            return ShownLabel(codes, CtOils, OilKind(kit) == 2 ? kit->GetContentName(i) : kit->GetCtOilName(i));
        default:
            return ShownLabel(codes, ColthTypes, kit->GetColthTypeName(i));
    }
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstColth::OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpCorelith* kit = Kit();
    // A list's text stands for the value stored; a text the list refuses writes nothing at all.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice)) return 0;
    // An interval's name or code with no active interval has nowhere to go: refused, nothing runs.
    if (IsActiveSegName(item->GetData()) && kit->GetActiveSeg() < 0) {
        ShowKitValue(item);
        return 0;
    }
    if (!WriteBaseBack(wParam, lParam)) return 0;

    if (IsStyleGroup(item->GetParent())) {
        if (!EditStyleGroup(kit, item)) return 0;
        kit->InvalidSelf();
        UpdateView();
    }

    const CString text = ItemText(item);
    bool taken = true;
    switch (item->GetData()) {
        case kSourceTypeId:
            ChooseSource(kit, choice);
            break;
        case kTableId:
            ChooseTable(kit, text);
            break;
        case kCorelithFieldId:
            kit->SetCorelithField(text.str());
            break;
        case kColorFieldId:
            kit->SetColorField(text.str());
            break;
        case kOilCodeFieldId:
            kit->SetOilCodeField(text.str());
            break;
        case kCorelithCodeFieldId:
            kit->SetCorelithCodeField(text.str());
            break;
        case kNameShowId:
            kit->SetNameVisible(choice != 0);
            break;
        case kDivideLineShowId:
            kit->SetDivideLineVisible(choice != 0);
            break;
        case kDividePointShowId:
            kit->SetDividePointVisible(choice != 0);
            break;
        case kColorWidthId:
        case kCtOilWidthId:
            taken = EditShare(kit, item);
            break;
        case kBackColorId:
            kit->SetColthUseBkColor(choice != 0);
            break;
        case kTopId:
        case kBottomId:  // taken above
            kit->UpdateSelf();
            break;
        case kColthNameId:
            taken = kit->SetColthName(text, kit->GetActiveSeg());
            break;
        case kColorNameId:
        case kCtOilNameId:
        case kColthTypeId:
            taken = EditCodeName(kit, item);
            break;
        default:
            break;
    }
    // A value the kit refused: only the item shows the kit's value again.
    if (!taken) {
        ShowKitValue(item);
        return 0;
    }
    kit->SetModifyFlag(1);
    kit->InvalidSelf();
    kit->UpdateSelf();
    return 0;
}

bool CLstColth::IsActiveSegName(DWORD_PTR id) {
    return id == kColthNameId || id == kColorNameId || id == kCtOilNameId || id == kColthTypeId;
}

bool CLstColth::IsStyleGroup(CBCGPProp* group) {
    const DWORD_PTR id = group ? group->GetData() : 0;
    return id == kNameFontId || id == kDivideLinePenId || id == kDividePointStyleId;
}

// Only the edited field is read into the kit's record (the kit's own reference, edited in place).
bool CLstColth::EditStyleGroup(CWpCorelith* kit, CBCGPProp* item) {
    switch (item->GetParent()->GetData()) {
        case kNameFontId:
            return EditGroupField(item, kit->GetNameFont());
        case kDivideLinePenId:
            return EditGroupField(item, kit->GetDivideLogPen());
        default:
            return EditGroupField(item, kit->GetDivideLogPoint());
    }
}

void CLstColth::ChooseSource(CWpCorelith* kit, int source) {
    CBCGPProp* group = Item(kSourceGroupId);
    CBCGPProp* table = Item(kTableId);
    if (!group || !table) return;
    if (source == CORELITH_WELL) {
        ClearDataSourceOptions(group);
        kit->SetDataSource(CORELITH_WELL);
        kit->SetTableName(ivtext::kCorelithTable);
        ResetCorelithTableOptions(group);
        SetDefaultCorelithFields(kit);
        EnableDataSourceItems(group, FALSE);
        table->Enable(TRUE);
    } else if (source == CORELITH_DISCRETE) {
        ClearDataSourceOptions(group);
        ClearCorelithFields(kit);
        kit->SetDataSource(CORELITH_DISCRETE);
        AddSegmentDataOptions(table);
    } else {
        ClearDataSourceOptions(group);
        kit->SetDataSource(CORELITH_GRAPHIC);
        WDMgrIO* data = WellDataOf(kit);
        kit->SetData(data ? data->GetCorelith(CORELITH_GRAPHIC, "") : nullptr);
        EnableDataSourceItems(group, FALSE);
        ClearCorelithFields(kit);
    }
}

void CLstColth::ChooseTable(CWpCorelith* kit, const CString& text) {
    const int source = kit->GetDataSource();
    ClearCorelithFields(kit);
    kit->SetDataSource(source);
    if (source == CORELITH_WELL) {
        ApplyCorelithTable(kit, Item(kSourceGroupId));
    } else {
        kit->SetTableName(text.str());
        for (DWORD_PTR id = kCorelithFieldId; id <= kCorelithCodeFieldId; ++id) FillValueNameOptions(Item(id), text, 0);
    }
    kit->SetActiveSeg(-1);
}

// A share the kit takes is followed by the whole refresh, which shows what the kit keeps.
bool CLstColth::EditShare(CWpCorelith* kit, CBCGPProp* item) {
    double share = 0;
    if (!numtext::LeadingNumber(ItemText(item), &share)) return false;
    const bool taken = item->GetData() == kColorWidthId ? kit->SetColorPer(share) : kit->SetCtOilPer(share);
    if (taken) RefreshFromKit();
    return taken;
}

bool CLstColth::EditCodeName(CWpCorelith* kit, CBCGPProp* item) {
    const CString name = CodeNameOfLabel(ItemText(item));
    const int i = kit->GetActiveSeg();
    bool stored = false;
    if (item->GetData() == kColorNameId)
        stored = kit->SetColorName(name, i);
    else if (item->GetData() == kCtOilNameId)
        stored = kit->SetCtOilName(name, i);
    else
        stored = kit->SetColthTypeName(name, i);
    if (stored) kit->NotifyObservee();
    return stored;
}
