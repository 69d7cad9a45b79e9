// The well data tables: one record type each (see WellRecords.h).
#pragma once

#include <vector>

#include "hosttypes/Osprey/QXTable.h"
#include "hosttypes/Osprey/WellRecords.h"

class CWellSandStratum : public CQXDataTable<WELLSANDSTRATUM> {};
class CWellPath : public CQXDataTable<WELLPATH> {};
class CWellPosition : public CQXDataTable<WELLPOSITION> {
public:
    // Well-data library operation: the row of the well of that name (first match, whole text); -1
    // when the table has none or for NULL.
    int FindData(const char* wellName);
};
class CWellShoot : public CQXDataTable<WELLSHOOT> {};
class CWellSuction : public CQXDataTable<WELLSUCTION> {};
class CWellConnection : public CQXDataTable<WELLCONNECTION> {};
class CWellInterStratum : public CQXDataTable<WELLINTERSTRATUM> {};
class CWellLithology : public CQXDataTable<WELLLITHOLOGY> {};
class CWellTest : public CQXDataTable<WELLTEST> {};
class CWellProductFluid : public CQXDataTable<WELLPRODUCTFLUID> {};
class CWellFaultPoint : public CQXDataTable<WELLFAULTPOINT> {};
class CDayOilWell : public CQXDataTable<DAYOILWELL> {};
class CDayWaterWell : public CQXDataTable<DAYWATERWELL> {};
class CMonthOilWell : public CQXDataTable<MONTHOILWELL> {};
class CMonthWaterWell : public CQXDataTable<MONTHWATERWELL> {};
class CWellOilWater : public CQXDataTable<WELLOILWATER> {};
class CWellCore : public CQXDataTable<WELLCORE> {};
class CWellSideWallCore : public CQXDataTable<WELLSIDEWALLCORE> {};
class CWellIntegratedCore : public CQXDataTable<WELLINTEGRATEDCORE> {};
class CWellStatData : public CQXDataTable<WELLSTATDATA> {};

// One log curve of a well: values at depths, in depth order.
class CWellLogColumn {
public:
    CWellLogColumn() = default;
    CWellLogColumn(const CWellLogColumn&) = default;
    CWellLogColumn& operator=(const CWellLogColumn&) = default;
    virtual ~CWellLogColumn() = default;

    CString m_strName;
    CString m_strUnit;
    std::vector<double> m_depths;
    std::vector<double> m_values;
};
