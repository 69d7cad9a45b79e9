// The data-source kind names of the parameter, result and sand-stratum pages: one module-wide
// table, built when the module loads and freed when it unloads; and the one rule by which the
// parameter and result pages show and store the well's own data.
#pragma once

#include "framework/FixedList.h"
#include "mfc/String.h"

struct DataSourceNames {
    CString currentWell;  // "当前井": what a kit stores for the well's own data
    CString wellData;     // "井数据": how the pages offer it
    CString scattered;    // "离散数据"
    CString graphics;     // "图形"
    CString levels[5];    // "一级分层数据" .. "五级分层数据"
};

// The table (its texts also before the module has loaded).
const DataSourceNames& SourceNames();
void InitDataSourceNames();
void ReleaseDataSourceNames();
bool IsDataSourceNamesBuilt();

// A stored type as the pages show it: "当前井" as "井数据", every other text unchanged.
CString ShownSourceType(const CString& stored);
// A chosen type as the kit stores it: "井数据" as "当前井", every other text unchanged.
CString StoredSourceType(const CString& shown);
// The name of a stratification level 0 to 4; "" for any other level.
CString LevelName(int level);

// ---- the catalogue's names as options (parameter and result pages) ----
class CBCGPProp;
class LogParaDMgrIO;
// Appends the names of the type's tables, or of the fields of a table of the type, in the
// catalogue's order, each once. Nothing without a catalogue.
void AddTableOptions(CBCGPProp* item, LogParaDMgrIO* info, const CString& type);
void AddFieldOptions(CBCGPProp* item, LogParaDMgrIO* info, const CString& type, const CString& table);
// The kinds of source the "类型" item offers, each the value its text stands for.
enum SourceKind : int { kWellSource = 0, kScatteredSource = 1, kGraphicsSource = 2 };
// The "类型" item of a data source: "井数据", "离散数据" (when offered) and "图形", no free text,
// empty; other is what the page takes for any other text (reported from code).
CFixedListProp* NewSourceTypeItem(const char* name, DWORD_PTR id, bool offerScattered, OtherText other);
// The type a kit stores for a kind of source: "当前井", "离散数据" or "图形".
CString StoredSourceKind(int kind);
// An option item without options and with an empty value.
void ClearChoice(CBCGPProp* item);
