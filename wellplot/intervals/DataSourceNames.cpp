#include "wellplot/intervals/DataSourceNames.h"

#include "bcg/Prop.h"
#include "framework/ModuleFamilies.h"
#include "hosttypes/Zephyr/LogParaDMgrIO.h"
#include "framework/PropItems.h"
#include "wellplot/intervals/IntervalTexts.h"

namespace {

DataSourceNames MakeNames() {
    DataSourceNames names;
    names.currentWell = ivtext::kCurrentWell;
    names.wellData = ivtext::kWellData;
    names.scattered = ivtext::kDiscreteData;
    names.graphics = ivtext::kGraphic;
    for (int i = 0; i < ivtext::kLevelCount; ++i) names.levels[i] = ivtext::kLevelData[i];
    return names;
}

DataSourceNames* g_names = nullptr;

ModuleFamily g_namesLifetime(InitDataSourceNames, ReleaseDataSourceNames);

}  // namespace

void InitDataSourceNames() {
    if (!g_names) g_names = new DataSourceNames(MakeNames());
}

void ReleaseDataSourceNames() {
    delete g_names;
    g_names = nullptr;
}

bool IsDataSourceNamesBuilt() { return g_names != nullptr; }

const DataSourceNames& SourceNames() {
    if (g_names) return *g_names;
    static const DataSourceNames unloaded = MakeNames();
    return unloaded;
}

CString ShownSourceType(const CString& stored) {
    const DataSourceNames& n = SourceNames();
    return stored == n.currentWell ? n.wellData : stored;
}

CString StoredSourceType(const CString& shown) {
    const DataSourceNames& n = SourceNames();
    return shown == n.wellData ? n.currentWell : shown;
}

CString LevelName(int level) {
    if (level < 0 || level >= ivtext::kLevelCount) return CString();
    return SourceNames().levels[level];
}

// ---- the catalogue's names as options ----------------------------------------------------------------
void AddTableOptions(CBCGPProp* item, LogParaDMgrIO* info, const CString& type) {
    if (!item || !info) return;
    const int count = info->GetTableCount(type);
    for (int i = 0; i < count; ++i) item->AddOption(info->GetTableName(type, i), TRUE);
}

void AddFieldOptions(CBCGPProp* item, LogParaDMgrIO* info, const CString& type, const CString& table) {
    if (!item || !info) return;
    const int count = info->GetFieldCount(type, table);
    for (int i = 0; i < count; ++i) item->AddOption(info->GetFieldName(type, table, i), TRUE);
}

CFixedListProp* NewSourceTypeItem(const char* name, DWORD_PTR id, bool offerScattered, OtherText other) {
    const DataSourceNames& names = SourceNames();
    auto* item = new CFixedListProp(name, CString(), nullptr, id, other);
    item->AddEntry(names.wellData, kWellSource);
    if (offerScattered) item->AddEntry(names.scattered, kScatteredSource);
    item->AddEntry(names.graphics, kGraphicsSource);
    return item;
}

CString StoredSourceKind(int kind) {
    const DataSourceNames& names = SourceNames();
    return kind == kGraphicsSource ? names.graphics : kind == kScatteredSource ? names.scattered : names.currentWell;
}

void ClearChoice(CBCGPProp* item) {
    if (!item) return;
    if (CFixedListProp* list = FixedListOf(item))
        list->ClearEntries();
    else
        item->RemoveAllOptions();
    SetItemText(item, CString());
}
