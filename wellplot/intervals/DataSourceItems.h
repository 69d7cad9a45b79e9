// The data-source items of the interval pages, filled from the well data's table schemas and the
// general data's column-point data sets. A data-source group holds, in order: sub-item 0 the
// source kind, 1 the table or data set, 2 to 5 the field items.
#pragma once

#include "bcg/Prop.h"
#include "framework/FixedList.h"
#include "framework/OptionTables.h"
#include "mfc/String.h"
#include "wellplot/intervals/IntervalTexts.h"

class CWpCorelith;
class CWpKit;
class WDMgrIO;

// The source kinds of the lithology and rock-sample kits and their codes.
inline constexpr TextValue kSegmentSources[] = {
    {ivtext::kWellData, 1},
    {ivtext::kDiscreteData, 2},
    {ivtext::kGraphic, 0},
};

// The "类型" list of those kits: one of the three kinds; any other text names none.
CFixedListProp* NewSegmentSourceItem(DWORD_PTR id);

// The data manager of the kit's well, or NULL.
WDMgrIO* WellDataOf(CWpKit* kit);

// Appends the column names of the named well-data table, in column order, each once. A table the
// project lacks adds nothing. Callers skip a table named by a single blank.
void AddTableFieldOptions(const CString& table, CBCGPProp* item);
// Replaces the item's options by the value names of the named column-point data set whose type
// code is type, in order; none without the manager or the set.
void FillValueNameOptions(CBCGPProp* item, const CString& dataSet, BYTE type);
// The field names of a discrete table: its value names of type code 0.
inline void FillDiscreteFieldOptions(const CString& table, CBCGPProp* item) { FillValueNameOptions(item, table, 0); }
// Appends the names of the column-point data sets that hold segment data, in the manager's order.
void AddSegmentDataOptions(CBCGPProp* item);
// Appends the names of every column-point data set, in the manager's order.
void AddColPtDataSetOptions(CBCGPProp* item);

// Sub-items 1 to 5 of a data-source group: enabled or disabled; emptied of their options.
void EnableDataSourceItems(CBCGPProp* group, BOOL enable);
void ClearDataSourceOptions(CBCGPProp* group);

// Lithology tables: sub-item 1 offers "岩性数据" and the three segment-data tables and shows the first.
void ResetCorelithTableOptions(CBCGPProp* group);
// The lithology table with its four default fields; all five emptied.
void SetDefaultCorelithFields(CWpCorelith* kit);
void ClearCorelithFields(CWpCorelith* kit);
// Stores the table chosen in sub-item 1 (a segment-data table under its full name) and lays out the
// field items for the kit's source: well data offers the table's columns (or, for the lithology
// table, stores the default fields and disables the field items); discrete data the set's value
// names of type code 0. The field items are emptied.
void ApplyCorelithTable(CWpCorelith* kit, CBCGPProp* group);
