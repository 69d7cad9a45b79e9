// Flow units of a reservoir section: sand bodies grouped between oil-gas-water interface
// lines, each with its fill brush, and the manager that finds the unit of a sand body.
#pragma once

#include <boost/shared_ptr.hpp>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/Manager.h"
#include "hosttypes/Oriel/ScObjInterface.h"

class CnSand;
class CnSandFill;
class CnSandLine;

namespace KelReservoir::Connection {
class CkelReservoir;
}

namespace KelReservoir::SandUnit {

class CkelFlowUnitManager;
class CkelOSWerLineManager;

class IkelSandUnit : public ScObjInterface {
public:
    IkelSandUnit() = default;
    IkelSandUnit(const IkelSandUnit&) = default;
    IkelSandUnit& operator=(const IkelSandUnit&) = default;
    ~IkelSandUnit() override;
};

class CkelFlowUnit : public IkelSandUnit {
public:
    CkelFlowUnit();
    CkelFlowUnit(const CkelFlowUnit&) = default;
    CkelFlowUnit& operator=(const CkelFlowUnit&) = default;
    ~CkelFlowUnit() override;
    SC_DECLARE_ACCEPT()

    // ---- header-defined members ----
    // The unit's sand fills, sand lines and sand bodies; the unit owns none of them.
    CManagerWithoutCreate<CnSandFill>& GetFillManager() { return m_fills; }
    CManagerWithoutCreate<CnSandLine>& GetSandLineManager() { return m_sandLines; }
    CManagerWithoutCreate<CnSand>& GetSandManger() { return m_sands; }
    void SandManger(CManagerWithoutCreate<CnSand> list) { m_sands = list; }
    void SetMananger(CkelFlowUnitManager* mgr) { m_pManager = mgr; }
    CkelFlowUnitManager* GetMananger() const { return m_pManager; }
    boost::shared_ptr<CkelOSWerLineManager> GetOswLineManager() const { return m_oswLineMgr; }
    QXLOGBRUSH GetBrush() const { return m_brush; }

    // ---- reservoir library operations ----
    // Stores the brush; the library's drawing reads it from the unit.
    void SetBrush(QXLOGBRUSH& brush);
    void SetOswLineManager(boost::shared_ptr<CkelOSWerLineManager> mgr);

protected:
    CManagerWithoutCreate<CnSandFill> m_fills;
    CManagerWithoutCreate<CnSandLine> m_sandLines;
    CManagerWithoutCreate<CnSand> m_sands;
    CkelFlowUnitManager* m_pManager;
    UINT m_layout[8];  // the library's layout words
    boost::shared_ptr<CkelOSWerLineManager> m_oswLineMgr;
    QXLOGBRUSH m_brush;
    UINT m_nState;
};

class CkelFlowUnitManager : public CManager<CkelFlowUnit> {
public:
    typedef boost::shared_ptr<CkelFlowUnit> FlowUnitPtr;

    CkelFlowUnitManager();
    CkelFlowUnitManager(const CkelFlowUnitManager&) = default;
    CkelFlowUnitManager& operator=(const CkelFlowUnitManager&) = default;
    ~CkelFlowUnitManager() override;

    // ---- header-defined members ----
    void SetReservoir(Connection::CkelReservoir* reservoir) { m_pReservoir = reservoir; }
    Connection::CkelReservoir* GetReservoir() const { return m_pReservoir; }
    bool IfWorking() const { return m_bWorking; }
    void Clear() { RemoveAll(); }
    // Searches over the units in index order; the first match wins.
    bool IsHave(CnSand* sand) const;
    bool IsHave(CnSandFill* fill) const;
    FlowUnitPtr FindFlowUnit(CnSand* sand) const;
    // The first unit holding both sands; empty when they lie in different units.
    FlowUnitPtr FindFlowUnit(CnSand* a, CnSand* b) const;
    FlowUnitPtr FindFlowUnit(CnSandFill* fill) const;

    // ---- reservoir library operations ----
    void Rebuild();
    void ReBuildWithOSWInfo();

protected:
    Connection::CkelReservoir* m_pReservoir;
    boost::shared_ptr<void> m_builder;  // the library's unit builder
    bool m_bWorking;
};

}  // namespace KelReservoir::SandUnit

extern template class CManager<KelReservoir::SandUnit::CkelFlowUnit>;
extern template class CManagerWithoutCreate<CnSand>;
extern template class CManagerWithoutCreate<CnSandLine>;
extern template class CManagerWithoutCreate<CnSandFill>;
