#include "wellplot/intervals/DataSourceItems.h"

#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Rivet/GeneralDataManager.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "framework/PropItems.h"
#include "wellplot/intervals/IntervalTexts.h"

namespace {

constexpr int kTableItem = 1;
constexpr int kFirstField = 2;
constexpr int kLastField = 5;

CMutiColPtDataManager* ColPtData() { return CGeneralDataManager::Instance()->GetColPtDataManager(); }

void AddDataSetOptions(CBCGPProp* item, bool segmentOnly) {
    CMutiColPtDataManager* sets = ColPtData();
    if (!item || !sets) return;
    for (int i = 0; i < sets->GetCount(); ++i) {  // the count is read again at every step
        CMutiColPtData* set = sets->GetData(i);
        if (set && (!segmentOnly || set->IsSegmentData())) item->AddOption(sets->GetName(i), TRUE);
    }
}

// Sub-items 1 to 5 of a data-source group, each passed to act.
template <class Act>
void ForTableAndFields(CBCGPProp* group, int from, Act act) {
    if (!group) return;
    for (int i = from; i <= kLastField; ++i)
        if (CBCGPProp* item = group->GetSubItem(i)) act(item);
}

bool IsSegmentTable(const CString& text) {
    for (const char* name : {ivtext::kSegmentData1, ivtext::kSegmentData2, ivtext::kSegmentData3})
        if (text.CompareNoCase(name) == 0) return true;
    return false;
}

// The refresh applies the table to the kit too: a name the kit already holds is not written again,
// so showing the kit leaves it (and its stamp) as it was.
void SetNameIfChanged(CWpCorelith* kit, std::string (CWpCorelith::*get)(), void (CWpCorelith::*set)(const std::string&),
                      const std::string& name) {
    if ((kit->*get)() != name) (kit->*set)(name);
}

}  // namespace

CFixedListProp* NewSegmentSourceItem(DWORD_PTR id) {
    return NewFixedListItem(ivtext::kType, "", "", id, kSegmentSources, kOtherRefused);
}

WDMgrIO* WellDataOf(CWpKit* kit) {
    CWpWell* well = kit ? kit->GetWell() : nullptr;
    return well ? well->GetDataMgr() : nullptr;
}

void AddTableFieldOptions(const CString& table, CBCGPProp* item) {
    CTableDefinition* definition =
        CWellDataManager::Instance()->GetTableDefinitionManager()->GetTableDefinition(table.GetString());
    if (!item || !definition) return;
    for (int i = 0; i < definition->GetColumnDefinitionCount(); ++i)
        if (CColumnDefinition* column = definition->GetColumnDefinition(i)) item->AddOption(column->GetName(), TRUE);
}

void FillValueNameOptions(CBCGPProp* item, const CString& dataSet, BYTE type) {
    if (!item) return;
    item->RemoveAllOptions();
    CMutiColPtDataManager* sets = ColPtData();
    CMutiColPtData* set = sets ? sets->GetData(dataSet.GetString()) : nullptr;
    if (!set) return;
    const std::vector<CString>& names = set->GetValNames();
    const std::vector<BYTE>& types = set->GetType();
    for (size_t i = 0; i < names.size() && i < types.size(); ++i)
        if (types[i] == type) item->AddOption(names[i], TRUE);
}

void AddSegmentDataOptions(CBCGPProp* item) { AddDataSetOptions(item, true); }
void AddColPtDataSetOptions(CBCGPProp* item) { AddDataSetOptions(item, false); }

void EnableDataSourceItems(CBCGPProp* group, BOOL enable) {
    ForTableAndFields(group, kTableItem, [enable](CBCGPProp* item) { item->Enable(enable); });
}

void ClearDataSourceOptions(CBCGPProp* group) {
    ForTableAndFields(group, kTableItem, [](CBCGPProp* item) { item->RemoveAllOptions(); });
}

void ResetCorelithTableOptions(CBCGPProp* group) {
    CBCGPProp* table = group ? group->GetSubItem(kTableItem) : nullptr;
    if (!table) return;
    table->RemoveAllOptions();
    for (const char* name : {ivtext::kCorelithTable, ivtext::kSegmentData1, ivtext::kSegmentData2, ivtext::kSegmentData3})
        table->AddOption(name, TRUE);
    SetItemText(table, ivtext::kCorelithTable);
}

void SetDefaultCorelithFields(CWpCorelith* kit) {
    if (!kit) return;
    SetNameIfChanged(kit, &CWpCorelith::GetTableName, &CWpCorelith::SetTableName, ivtext::kCorelithTable);
    SetNameIfChanged(kit, &CWpCorelith::GetCorelithField, &CWpCorelith::SetCorelithField, "岩性名称");
    SetNameIfChanged(kit, &CWpCorelith::GetColorField, &CWpCorelith::SetColorField, "颜色");
    SetNameIfChanged(kit, &CWpCorelith::GetOilCodeField, &CWpCorelith::SetOilCodeField, "含油性");
    SetNameIfChanged(kit, &CWpCorelith::GetCorelithCodeField, &CWpCorelith::SetCorelithCodeField, "岩性");
}

void ClearCorelithFields(CWpCorelith* kit) {
    if (!kit) return;
    kit->SetTableName("");
    kit->SetCorelithField("");
    kit->SetColorField("");
    kit->SetOilCodeField("");
    kit->SetCorelithCodeField("");
}

void ApplyCorelithTable(CWpCorelith* kit, CBCGPProp* group) {
    if (!kit || !group) return;
    CString table = ItemText(group->GetSubItem(kTableItem));
    if (IsSegmentTable(table)) table = CString(ivtext::kSegmentTablePrefix) + table;
    SetNameIfChanged(kit, &CWpCorelith::GetTableName, &CWpCorelith::SetTableName, table.str());

    switch (kit->GetDataSource()) {
    case CORELITH_WELL:
        if (table == ivtext::kCorelithTable) {
            EnableDataSourceItems(group, FALSE);
            SetDefaultCorelithFields(kit);
            if (CBCGPProp* tableItem = group->GetSubItem(kTableItem)) tableItem->Enable(TRUE);
            return;
        }
        EnableDataSourceItems(group, TRUE);
        ForTableAndFields(group, kFirstField, [&table](CBCGPProp* field) {
            field->RemoveAllOptions();
            if (table != " ") AddTableFieldOptions(table, field);
            SetItemText(field, "");
        });
        return;
    case CORELITH_DISCRETE:
        EnableDataSourceItems(group, TRUE);
        ForTableAndFields(group, kFirstField, [&table](CBCGPProp* field) {
            FillValueNameOptions(field, table, 0);
            SetItemText(field, "");
        });
        return;
    default:
        return;
    }
}
