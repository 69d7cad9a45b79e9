#include "wellplot/intervals/LstSidewallCore.h"

#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/NumberText.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

const TextValue kSidewallSymbolSides[2] = {{"左边", 1}, {"右边", -1}};

namespace {

constexpr BYTE kValueNames = 0;
constexpr const char* kCoreTable = "井壁取芯数据";
constexpr const char* kPointTables[] = {"点数据1", "点数据2", "点数据3"};
constexpr const char* kPointTablePrefix = "点数据.";
constexpr const char* kLithology = "岩性";
constexpr const char* kOil = "含油性";

const TextValue kCoreSources[] = {
    {ivtext::kWellData, DATA_WELL},
    {ivtext::kDiscreteData, DATA_DISCRETE},
};
// The lithology symbol above (1) or below (-1).
const TextValue kLithUp[] = {{grouptext::kYes, 1}, {grouptext::kNo, -1}};

bool IsPointTable(const std::string& table) {
    for (const char* name : kPointTables)
        if (table == name) return true;
    return false;
}

}  // namespace

CLstSidewallCore::CLstSidewallCore(CWpKit* kit)
    : m_pKit(wellplot::KitOf<CWpSidewallCore>(reinterpret_cast<long>(kit))) {}
CLstSidewallCore::~CLstSidewallCore() = default;

CWpSidewallCore* CLstSidewallCore::Kit() const { return wellplot::KeptKit<CWpSidewallCore>(*this, m_pKit); }
CBCGPProp* CLstSidewallCore::Item(DWORD_PTR id) const {
    return wellplot::ItemWithData(m_wndPropList, id);
}

int CLstSidewallCore::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewNamedTitleGroup(kTitleGroupId, kTitleNameId), TRUE, TRUE);

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    // Any other type typed means discrete data.
    source->AddSubItem(
        NewFixedListItem(ivtext::kType, "", "数据类型", kSourceTypeId, kCoreSources, OtherTakenAs(DATA_DISCRETE), true));
    source->AddSubItem(NewOptionItem(ivtext::kDataTable, "", ivtext::kDataTable, kTableId, {}, true));
    source->AddSubItem(NewOptionItem("岩性代码字段", "", nullptr, kLithFieldId, {}, false));
    source->AddSubItem(NewOptionItem("含油性代码字段", "", nullptr, kOilFieldId, {}, false));
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* display = new CBCGPProp(ivtext::kDisplaySettings, kDisplayGroupId);
    display->AddSubItem(new CBCGPropFloat("符号宽度", _variant_t(0.0), 1, "宽度比例", FALSE, kWidthRateId));
    // Any other side is the right; the lithology is above only for "是".
    display->AddSubItem(NewFixedListItem("符号位置", "", nullptr, kSymbolSideId, kSidewallSymbolSides, OtherTakenAs(-1)));
    display->AddSubItem(NewFixedListItem("岩性符号在上方", "", nullptr, kLithUpId, kLithUp, OtherTakenAs(-1)));
    display->AddSubItem(CreateLineFloatProp(ivtext::kLineSetting, kLinePenId));
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    auto* core = new CBCGPProp("深度", kCoreGroupId);
    core->AddSubItem(new CBCGPropFloat("深度", _variant_t(0.0), 2, "深度值", FALSE, kCoreDepthId));
    core->AddSubItem(NewOptionItem(kOil, "", kOil, kCoreOilId, {}, true));
    core->AddSubItem(NewOptionItem(kLithology, "", kLithology, kCoreLithId, {}, true));
    m_wndPropList.AddProperty(core, TRUE, TRUE);
    FillCoreNameOptions(m_pKit);
    return 0;
}

// The lithology and oil-show names of the kit's code tables, once; none without tables.
void CLstSidewallCore::FillCoreNameOptions(CWpSidewallCore* kit) {
    LogCorelithMgrIO* codes = kit ? kit->GetCorelithMgr() : nullptr;
    if (!codes) return;
    if (CBCGPProp* lith = Item(kCoreLithId))
        for (int i = 0; i < codes->GetColthTypeCount(); ++i) lith->AddOption(codes->GetColthTypeEntryName(i), TRUE);
    if (CBCGPProp* oil = Item(kCoreOilId))
        for (int i = 0; i < codes->GetCtOilCount(); ++i) oil->AddOption(codes->GetCtOilEntryName(i), TRUE);
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstSidewallCore::UpdateBCGPProperty(long object, CString) {
    CWpSidewallCore* kit = Kit();
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    ShowKitTitleItems(m_wndPropList, kit, kTitleNameId);
    ShowSource(kit);
    ShowDisplay(kit);
    ShowActiveCore(kit);
    UpdateView();
}

void CLstSidewallCore::ShowSource(CWpSidewallCore* kit) {
    const DATATYPE source = kit->m_dataSource;
    SetItemText(Item(kSourceTypeId), source == DATA_WELL ? ivtext::kWellData : ivtext::kDiscreteData);
    const std::string name = kit->GetDataTable();
    if (CBCGPProp* table = Item(kTableId)) {
        table->RemoveAllOptions();
        if (source == DATA_WELL) {
            table->AddOption(kCoreTable, TRUE);
            for (const char* point : kPointTables) table->AddOption(point, TRUE);
        } else if (source == DATA_DISCRETE) {
            AddColPtDataSetOptions(table);
        }
        SetItemText(table, name.c_str());
    }
    for (DWORD_PTR id : {kLithFieldId, kOilFieldId}) {
        CBCGPProp* field = Item(id);
        if (!field) continue;
        field->RemoveAllOptions();
        if (source == DATA_WELL && IsPointTable(name))
            AddTableFieldOptions(CString(kPointTablePrefix) + name.c_str(), field);
        else if (source == DATA_DISCRETE)
            FillValueNameOptions(field, name.c_str(), kValueNames);
    }
    if (source == DATA_WELL && name == kCoreTable) {
        kit->SetLithologyField(kLithology);
        kit->SetOilField(kOil);
    }
    SetItemText(Item(kLithFieldId), kit->GetLithologyField().c_str());
    SetItemText(Item(kOilFieldId), kit->GetOilField().c_str());
    kit->ComposeDataName();
}

void CLstSidewallCore::ShowDisplay(CWpSidewallCore* kit) {
    if (CBCGPProp* width = Item(kWidthRateId)) width->SetValue(_variant_t(kit->m_dWidthRate));
    SetItemText(Item(kSymbolSideId), kSidewallSymbolSides[kit->m_nLeft > 0 ? 0 : 1].text);
    SetYesNoProp(Item(kLithUpId), kit->m_nLithUp > 0);
    if (CBCGPProp* pen = Item(kLinePenId)) EnableLineProp(pen, kit->m_linePen, true);
}

void CLstSidewallCore::ShowActiveCore(CWpSidewallCore* kit) {
    const boost::shared_ptr<CSidewallCoreSeg> core = kit->GetActiveCoreSeg();
    const BOOL enable = core && kit->m_bDrawActive ? TRUE : FALSE;
    for (DWORD_PTR id : {kCoreDepthId, kCoreOilId, kCoreLithId})
        if (CBCGPProp* item = Item(id)) item->Enable(enable);
    if (!core) return;
    if (CBCGPProp* depth = Item(kCoreDepthId)) depth->SetValue(_variant_t(core->depth));
    SetItemText(Item(kCoreOilId), core->oil.c_str());
    SetItemText(Item(kCoreLithId), core->lithology.c_str());
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstSidewallCore::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpSidewallCore* kit = Kit();
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice)) return 0;
    const CString text = ItemText(item);
    double number = 0;
    bool taken = true;
    switch (item->GetData()) {
    case kTitleNameId:
        kit->SetTitleText(text);
        break;
    case kTitleDirectionId:
        kit->SetTitleDirection(choice);
        break;
    case kSourceTypeId:
    case kTableId:
        EditSource(kit, item, choice);
        break;
    case kLithFieldId:
        kit->SetLithologyField(text.str());
        break;
    case kOilFieldId:
        kit->SetOilField(text.str());
        break;
    case kWidthRateId:
        // The item takes no negative and no number past a double, so every text it took reads here.
        if (wellplot::ReadNumber(item, &number)) kit->m_dWidthRate = number;
        break;
    case kSymbolSideId:
        kit->m_nLeft = choice;
        break;
    case kLithUpId:
        kit->m_nLithUp = choice;
        break;
    case kCoreDepthId:
    case kCoreOilId:
    case kCoreLithId:
        EditCore(kit, item);
        break;
    default:
        taken = EditRecord(kit, item);
        break;
    }
    if (!taken) {
        // A size or width the group reads by its whole text (one reported from code as "3x", which
        // the item keeps as 3): nothing was written, no redraw, no modified flag; the item shows the
        // stored value again.
        ShowStoredValueOf(item, {{kTitleFontId + 2, wellplot::TitleFontOf(kit).size / numtext::kHundredths},
                                 {kLinePenId + 2, kit->m_linePen.width / numtext::kHundredths}});
        return 0;
    }
    kit->InvalidSelf();
    kit->SetModifyFlag(1);
    kit->UpdateParent();
    UpdateView();
    return 0;
}

// A new source or table drops the fields and leaves segment editing.
void CLstSidewallCore::EditSource(CWpSidewallCore* kit, CBCGPProp* item, int source) {
    if (item->GetData() == kSourceTypeId) {
        kit->SetDataSource(static_cast<DATATYPE>(source));
        kit->SetDataTable("");
    } else {
        kit->SetDataTable(ItemText(item).str());
    }
    kit->SetLithologyField("");
    kit->SetOilField("");
    kit->m_bDrawActive = false;
}

// The depth item refuses a depth no double holds, so every depth it took reads here.
void CLstSidewallCore::EditCore(CWpSidewallCore* kit, CBCGPProp* item) {
    if (item->GetData() == kCoreDepthId) {
        if (double depth = 0; wellplot::ReadNumber(item, &depth)) kit->SetCoreDep(depth);
        return;
    }
    if (!kit->GetActiveCoreSeg()) return;
    if (item->GetData() == kCoreOilId)
        kit->SetSelectCoreOil(ItemText(item).str());
    else
        kit->SetSelectCoreLith(ItemText(item).str());
}

// A sub-item of the title font or of the core line: only the edited field is read (a face or
// colour picked keeps the stored size); false for a size or width refused.
bool CLstSidewallCore::EditRecord(CWpSidewallCore* kit, CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    const DWORD_PTR groupId = group ? group->GetData() : 0;
    const int field = EditedFieldPosition(item);
    if (groupId == kTitleFontId) {
        QXLOGFONT title = wellplot::TitleFontOf(kit);
        if (!GetFontSubProp(item, title, field)) return false;
        kit->SetTitleFont(&title);
    } else if (groupId == kLinePenId) {
        QXLOGPEN pen = kit->m_linePen;
        if (!GetLineSubProp(item, pen, field)) return false;
        kit->m_linePen = pen;
    }
    return true;
}
