// CWellDataManager: the well-data library's one manager of the project's well data.
#pragma once

#include <cstdint>

#include "hosttypes/Osprey/FlowUnitManager.h"
#include "hosttypes/Osprey/LithTypeManager.h"
#include "hosttypes/Osprey/SymbolManager.h"

class CWellDataManager {
public:
    // ---- well-data library operations ----
    static CWellDataManager* Instance();

    // ---- accessors ----
    CFlowUnitManager* GetFlowUnitManager() { return &m_flowUnitManager; }
    CLithTypeManager* GetLithTypeManager() { return &m_lithTypeManager; }
    CSymbolManager* GetOilSymbolManager() { return &m_oilSymbolManager; }
    // Moves whenever the well data change.
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

    CWellDataManager() = default;
    CWellDataManager(const CWellDataManager&) = delete;
    CWellDataManager& operator=(const CWellDataManager&) = delete;
    virtual ~CWellDataManager() = default;

protected:
    CFlowUnitManager m_flowUnitManager;
    CLithTypeManager m_lithTypeManager;
    CSymbolManager m_oilSymbolManager;
    uint64_t m_nTimeStamp = 0;
};
