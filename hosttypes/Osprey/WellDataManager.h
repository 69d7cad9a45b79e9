// CWellDataManager: the well-data library's one manager of the project's well data.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "hosttypes/Osprey/FaciesTypeManager.h"
#include "hosttypes/Osprey/FlowUnitManager.h"
#include "hosttypes/Osprey/LithTypeManager.h"
#include "hosttypes/Osprey/ScatteredTypeManager.h"
#include "hosttypes/Osprey/StratumManager.h"
#include "hosttypes/Osprey/SymbolManager.h"
#include "hosttypes/Osprey/TableDefinition.h"
#include "hosttypes/Osprey/WellDataTables.h"
#include "mfc/String.h"

// The stratification of one well at one grade: the top depth and thickness of each stratum, by
// its position among the stratum table's strata of that grade.
class CWellStratum {
public:
    // ---- well-data library operations ----
    // 0 for a position the well has no depth for.
    double GetTopDepth(int position);
    double GetThick(int position);

    // Library side.
    void SetStratum(int position, double top, double thick);

protected:
    std::vector<double> m_tops;
    std::vector<double> m_thicks;
};

namespace osprey::detail {
struct CatalogueAccess;
struct WellStrataAccess;
struct WellPlotServiceAccess;
// The table schemas a new manager starts with (see the README).
CTableDefinitionManager SampleTableDefinitions();
}  // namespace osprey::detail

class CWellDataManager {
public:
    // ---- well-data library operations ----
    static CWellDataManager* Instance();
    // The name of a stratum grade (0 the largest unit to 4 the finest); "" for any other grade.
    static CString ConvertStratumGradeToStratumType(int grade);

    // ---- accessors ----
    CFlowUnitManager* GetFlowUnitManager() { return &m_flowUnitManager; }
    CLithTypeManager* GetLithTypeManager() { return &m_lithTypeManager; }
    CSymbolManager* GetOilSymbolManager() { return &m_oilSymbolManager; }
    // The stratum table; every project has one.
    CStratumManager* GetStratumManager() { return &m_stratumManager; }
    // The catalogues below may be absent from a project: NULL then.
    CFaciesTypeManager* GetFaciesTypeManager() { return m_pFaciesTypeManager.get(); }
    CScatteredTypeManager* GetScatteredTypeManager() { return m_pScatteredTypeManager.get(); }
    // Moves whenever the well data change.
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

    // ---- well-data library operations the well-plot pages call ----
    // The schemas of the project's tables; never NULL.
    CTableDefinitionManager* GetTableDefinitionManager();
    // Strata of one level (0 to 4) in the stratum table; 0 for any other level.
    int GetStratumCount(int level);
    // The wells' positions; never NULL.
    CWellPosition* GetWellPosition();
    // One depth of the named well: vertical depth to measured depth and back.
    double ConvertZToDepth(const char* wellName, double z, bool extrapolate);
    double ConvertDepthToZ(const char* wellName, double depth);

    // ---- well-data library operations the plane-map stratum list calls ----
    // The i-th stratum name of the grade in table order; "" outside.
    CString GetStratumName(int grade, int i);
    // The position of the stratum of that name among the grade's strata; -1 when absent.
    int FindStratum(int grade, const char* name);
    // The well's stratification at that grade; NULL when the well has none.
    CWellStratum* GetWellStratum(int grade, const char* wellName);

    CWellDataManager() = default;
    CWellDataManager(const CWellDataManager&) = delete;
    CWellDataManager& operator=(const CWellDataManager&) = delete;
    virtual ~CWellDataManager() = default;

protected:
    friend struct osprey::detail::CatalogueAccess;
    CFlowUnitManager m_flowUnitManager;
    CLithTypeManager m_lithTypeManager;
    CSymbolManager m_oilSymbolManager;
    CStratumManager m_stratumManager;
    std::unique_ptr<CFaciesTypeManager> m_pFaciesTypeManager = std::make_unique<CFaciesTypeManager>();
    std::unique_ptr<CScatteredTypeManager> m_pScatteredTypeManager = std::make_unique<CScatteredTypeManager>();
    uint64_t m_nTimeStamp = 0;

    friend struct osprey::detail::WellPlotServiceAccess;
    CTableDefinitionManager m_tableDefinitionManager = osprey::detail::SampleTableDefinitions();
    CWellPosition m_wellPosition;
    std::map<std::string, double> m_depthFactors;  // measured depth per vertical depth, by well

    friend struct osprey::detail::WellStrataAccess;
    std::map<std::pair<int, std::string>, CWellStratum> m_wellStrata;  // by grade and well
};
