#include "wellplot/intervals/LstStratum.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropItems.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Tinder/ParseString.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/DiscreteItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstStratum, CLstContent)

const TextValue kStratumSources[7] = {
    {"一级分层界限", 0},
    {"二级分层界限", 1},
    {"三级分层界限", 2},
    {"四级分层界限", 3},
    {"五级分层界限", 4},
    {ivtext::kDiscreteData, CLstStratum::kDiscreteSource},
    {ivtext::kGraphic, CLstStratum::kGraphicSource},
};

namespace {

constexpr int kLevels = 5;
// Sub-items of "数据源" and "当前段", found by position.
constexpr int kTypeItem = 0;
constexpr int kTableItem = 1;
constexpr int kFieldItem = 2;
constexpr int kTopItem = 0;
constexpr int kBottomItem = 1;
constexpr int kNameItem = 2;
constexpr const char* kNameField = "层名字段";
constexpr const char* kStratumName = "层名";
constexpr const char* kPointSetting = "点型设置";

CBCGPProp* NewGroup(const char* name, DWORD_PTR id, bool collapsed) {
    auto* group = new CBCGPProp(name, id);
    if (collapsed) group->Expand(FALSE);
    return group;
}

CBCGPProp* NewFixedText(const char* name, const char* value) {
    auto* item = new CBCGPProp(name, _variant_t(value), "", 0);
    item->AllowEdit(FALSE);
    return item;
}

}  // namespace

CLstStratum::CLstStratum() = default;
CLstStratum::~CLstStratum() = default;

CWpStratum* CLstStratum::Kit() const { return SelectedKit<CWpStratum>(); }
CBCGPProp* CLstStratum::Item(DWORD_PTR id) const { return m_wndPropList.FindItemByData(id, TRUE); }
CBCGPProp* CLstStratum::SourceItem(int index) const {
    CBCGPProp* group = Item(kSourceGroupId);
    return group ? group->GetSubItem(index) : nullptr;
}

bool CLstStratum::IsKitChanged() { return IsKitOrStrataChanged(); }

int CLstStratum::InitPropWnd() {
    if (CLstContent::InitPropWnd() == -1) return -1;

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    // A source is one the source table names, offered or not; any other text names none.
    source->AddSubItem(NewFixedListItem(ivtext::kType, "", "", 0, kStratumSources, kOtherRefused));
    source->AddSubItem(NewOptionItem(ivtext::kDiscreteTable, "", "", 0, {}, false));
    source->AddSubItem(NewOptionItem(kNameField, "", "", 0, {}, false));
    m_wndPropList.AddProperty(source, TRUE, TRUE);
    ShowTypeOptions();

    auto* display = new CBCGPProp(ivtext::kDisplay, kDisplayGroupId);
    CBCGPProp* name = NewGroup(kStratumName, kNameGroupId, true);
    name->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kNameShowId));
    name->AddSubItem(CreateFontProp(ivtext::kFontSetting, kNameFontId));
    display->AddSubItem(name);
    CBCGPProp* line = NewGroup(ivtext::kDivideLine, kLineGroupId, true);
    line->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kLineShowId));
    line->AddSubItem(CreateLineProp(ivtext::kLineSetting, kLinePenId, false));
    display->AddSubItem(line);
    CBCGPProp* point = NewGroup("分界点", kPointGroupId, true);
    point->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kPointShowId));
    point->AddSubItem(CreatePointProp(kPointSetting, kPointStyleId));
    display->AddSubItem(point);
    CBCGPProp* fault = NewGroup("断点", kBreakGroupId, true);
    fault->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kBreakShowId));
    fault->AddSubItem(CreatePointProp(kPointSetting, kBreakStyleId));
    fault->AddSubItem(CreateFontProp(ivtext::kFontSetting, kBreakFontId));
    fault->AddSubItem(NewFixedText("断点信息1调用字段", "测深"));
    fault->AddSubItem(NewFixedText("断点信息2调用字段", "断距"));
    display->AddSubItem(fault);
    display->AddSubItem(NewYesNoList("背景色", "", nullptr, kBkColorId));
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    CBCGPProp* current = NewSegDepthGroup(kCurrentSegGroupId, 0, 0);
    current->AddSubItem(NewFixedText(kStratumName, ""));
    m_wndPropList.AddProperty(current, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstStratum::RefreshFromKit() {
    CWpStratum* kit = Kit();
    if (!kit) return;
    CLstContent::RefreshFromKit();
    ShowTypeOptions();
    ShowSource(kit);
    SetYesNoProp(Item(kNameShowId), kit->IsStratumNameShowed());
    if (CBCGPProp* font = Item(kNameFontId)) SetFontProp(font, kit->GetSNFont());
    SetYesNoProp(Item(kLineShowId), kit->IsDivideLineVisible());
    if (CBCGPProp* pen = Item(kLinePenId)) SetLineProp(pen, kit->GetDivideLogPen());
    SetYesNoProp(Item(kPointShowId), kit->IsDividePointVisible());
    if (CBCGPProp* point = Item(kPointStyleId)) SetPointProp(point, kit->GetDivideLogPoint());
    SetYesNoProp(Item(kBreakShowId), kit->IsFaultPointVisible() == 1);
    if (CBCGPProp* point = Item(kBreakStyleId)) SetPointProp(point, kit->GetFaultLogPoint());
    if (CBCGPProp* font = Item(kBreakFontId)) SetFontProp(font, kit->GetFontFault());
    SetYesNoProp(Item(kBkColorId), kit->IsBkColorUsed());

    CBCGPProp* current = Item(kCurrentSegGroupId);
    if (!current) return;
    ShowActiveSegDepths(kit, current->GetSubItem(kTopItem), current->GetSubItem(kBottomItem));
    const int active = kit->GetActiveSeg();
    SetItemText(current->GetSubItem(kNameItem), active < 0 ? CString() : kit->GetStratumName(active));
}

// The levels that hold strata in the well data, then discrete data and graphics.
void CLstStratum::ShowTypeOptions() {
    std::vector<CString> offered;
    for (int level = 0; level < kLevels; ++level)
        if (CWellDataManager::Instance()->GetStratumCount(level) > 0) offered.emplace_back(kStratumSources[level].text);
    offered.emplace_back(ivtext::kDiscreteData);
    offered.emplace_back(ivtext::kGraphic);
    if (CFixedListProp* list = FixedListOf(SourceItem(kTypeItem))) list->OfferOnly(offered);
}

void CLstStratum::ShowSource(CWpStratum* kit) {
    CBCGPProp* type = SourceItem(kTypeItem);
    if (!type) return;
    if (kit->m_nDataSource == kDiscreteSource) {
        SetItemText(type, ivtext::kDiscreteData);
        ShowDiscreteBinding(SourceItem(kTableItem), SourceItem(kFieldItem), CString(kit->GetTableName()),
                            CString(kit->GetFiledName()));
        return;
    }
    WDMgrIO* data = WellDataOf(kit);
    LOGSTRATUM2 record;
    if (!data || !data->FindData(kit->GetData(), record)) {
        SetItemText(type, ivtext::kGraphic);
    } else if (record.type == kDiscreteSource) {
        SetItemText(type, ivtext::kDiscreteData);
        CParseString words;
        words.Parse(record.name, " \t");
        ShowDiscreteBinding(SourceItem(kTableItem), SourceItem(kFieldItem), words[0], words[1]);
        return;
    } else if (const char* text = TextOfValue(kStratumSources, record.type, nullptr)) {
        SetItemText(type, text);
    }
    ClearDiscreteBinding(SourceItem(kTableItem), SourceItem(kFieldItem));
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstStratum::OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpStratum* kit = Kit();
    // A list's text stands for the value stored; a text the list refuses writes nothing at all.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice) || !WriteBaseBack(wParam, lParam)) return 0;

    CBCGPProp* parent = item->GetParent();
    if (parent && parent->GetData() == kSourceGroupId) {
        ChooseSource(kit, item, choice);
    } else if (parent && parent->GetData() != kCurrentSegGroupId && !EditGroup(kit, item)) {
        return 0;  // a refused size or width; the active interval's depths were taken above
    }
    EditById(kit, item, choice != 0);
    kit->SetModifyFlag(1);
    UpdateView();
    return 0;
}

void CLstStratum::ChooseSource(CWpStratum* kit, CBCGPProp* item, int source) {
    const CString text = ItemText(item);
    if (item->GetName() == ivtext::kType) {
        WDMgrIO* data = WellDataOf(kit);
        if (source >= 0 && source < kLevels) {
            kit->SetData(data ? data->GetStratum2(static_cast<STRATUMTYPE>(source), "") : nullptr);
            kit->OnDataChanged();
            ClearDiscreteBinding(SourceItem(kTableItem), SourceItem(kFieldItem));
        } else if (source == kDiscreteSource) {
            kit->m_nDataSource = kDiscreteSource;
            OfferDiscreteBinding(SourceItem(kTableItem), SourceItem(kFieldItem));
        } else if (source == kGraphicSource) {
            kit->SetData(data ? data->GetStratum2(STRATUM_GRAPHIC, "") : nullptr);
        }
    } else if (item->GetName() == ivtext::kDiscreteTable) {
        kit->SetTableName(std::string(text));
        if (CBCGPProp* field = SourceItem(kFieldItem)) {
            FillDiscreteFieldOptions(text, field);
            SetItemText(field, "");
        }
    } else if (item->GetName() == kNameField) {
        kit->SetFiledName(std::string(text));
    }
}

// A sub-item of a font, line or point group: its field is read over the kit's record and the group
// shows the record as the refresh does. False when the field was refused; true for an item of no
// such group.
bool CLstStratum::EditGroup(CWpStratum* kit, CBCGPProp* item) {
    bool read = true;
    switch (item->GetParent()->GetData()) {
        case kNameFontId:
            read = EditGroupShown(item, kit->GetSNFont());
            break;
        case kLinePenId:
            read = EditGroupShown(item, kit->GetDivideLogPen());
            break;
        case kPointStyleId:
            read = EditGroupShown(item, kit->GetDivideLogPoint());
            break;
        case kBreakStyleId:
            read = EditGroupShown(item, kit->GetFaultLogPoint());
            break;
        case kBreakFontId:
            read = EditGroupShown(item, kit->GetFontFault());
            break;
        default:
            return true;
    }
    if (!read) return false;
    kit->InvalidSelf();
    UpdateView();
    return true;
}

// The font sizes, the line width and the point sizes as their groups show them.
bool CLstStratum::KitText(CBCGPProp* item, CString* text) {
    CWpStratum* kit = Kit();
    if (!kit) return false;
    return GroupSizeTextOf(item,
                           {{kNameFontId, kit->GetSNFont().size},
                            {kLinePenId, kit->GetDivideLogPen().width},
                            {kPointStyleId, kit->GetDivideLogPoint().size},
                            {kBreakStyleId, kit->GetFaultLogPoint().size},
                            {kBreakFontId, kit->GetFontFault().size}},
                           text) ||
           CLstContent::KitText(item, text);
}

void CLstStratum::EditById(CWpStratum* kit, CBCGPProp* item, bool yes) {
    switch (item->GetData()) {
        case kNameShowId:
            kit->ShowStratumName(yes);
            break;
        case kLineShowId:
            kit->SetDivideLineVisible(yes);
            break;
        case kPointShowId:
            kit->SetDividePointVisible(yes);
            break;
        case kBreakShowId:
            kit->SetFaultPointVisible(yes);
            break;
        case kBkColorId:
            kit->UseBkColor(yes);
            break;
        default:
            return;
    }
    kit->OnDataChanged();
}
