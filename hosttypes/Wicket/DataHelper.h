// CDataHelper: the scattered-data library's catalogue of data tables, as the chart-symbol layers
// read it: the well tables and the scattered-data tables, the strata a table is split into and the
// fields (record names) of a table. Each operation empties the array it is given, then fills it.
#pragma once

#include "mfc/Collections.h"
#include "mfc/String.h"

class CDataHelper {
public:
    static void GetWellTableName(CStringArray& names);
    static void GetScatterTableName(CStringArray& names);
    // The strata of a table; none for a table without strata or a name not in the catalogue.
    static void GetStratumNames(CStringArray& names, CString table);
    // The fields of a well (or dynamic production) table, resp. of a scattered-data table; numeric
    // is 1 for the numeric fields only (the only ones a chart can draw).
    static void FindWellTableRecordName(CStringArray& names, CString table, unsigned char numeric);
    static void FindScatterTableRecordName(CStringArray& names, CString table, unsigned char numeric);
};
