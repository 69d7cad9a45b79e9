// Strata of a single-well section, bounded by stratum lines, in a two-level list: the manager
// vector holds managers, each manager holds units.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/Manager.h"
#include "hosttypes/Oriel/ScObjInterface.h"

class CQXObjectFill;
class CSingleWellSection;
namespace ControlLine {
class CSglCtrlLine;
}

namespace Stratum {

class CStratumLine;
class CStratumNode;
class CStratumUnitManager;
class CStratumUnitMgrVector;

class CStratumUnit : public ScObjInterface {
public:
    CStratumUnit();
    CStratumUnit(const CStratumUnit&) = default;
    CStratumUnit& operator=(const CStratumUnit&) = default;
    ~CStratumUnit() override;
    SC_DECLARE_ACCEPT()

    // ---- header-defined members ----
    boost::shared_ptr<CStratumLine> GetStratumLine() const { return m_line; }
    void SetStratumLine(boost::shared_ptr<CStratumLine> line) { m_line = line; }
    void SetStratumFill(CQXObjectFill* fill) { m_pFill = fill; }
    CQXObjectFill* GetStratumFill() const { return m_pFill; }
    boost::shared_ptr<CStratumNode> GetStratumNode() const { return m_node; }
    void SetStratumName(const std::string& name) { m_strStratumName = name; }
    std::string GetStratumName() const { return m_strStratumName; }
    void GetLinePen(QXLOGPEN& pen) const { pen = m_linePen; }
    void GetFillBrush(QXLOGBRUSH& brush) const { brush = m_fillBrush; }
    void SetStratumTopDep(double depth) { m_dTopDep = depth; }
    double GetStratumTopDep() const { return m_dTopDep; }
    void SetStratumBottomDep(double depth) { m_dBottomDep = depth; }
    double GetStratumBottomDep() const { return m_dBottomDep; }
    void SetManager(CStratumUnitManager* mgr) { m_pManager = mgr; }
    CStratumUnitManager* GetManager() const { return m_pManager; }

    // ---- single-well library operations ----
    void SetLinePen(QXLOGPEN pen);
    void SetFillBrush(QXLOGBRUSH brush);

protected:
    boost::shared_ptr<CStratumLine> m_line;
    CQXObjectFill* m_pFill;
    boost::shared_ptr<CStratumNode> m_node;
    std::string m_strStratumName;
    QXLOGPEN m_linePen;
    QXLOGBRUSH m_fillBrush;
    double m_dTopDep;
    double m_dBottomDep;
    CStratumUnitManager* m_pManager;
};

class CStratumUnitManager : public CManager<CStratumUnit> {
public:
    CStratumUnitManager();
    CStratumUnitManager(const CStratumUnitManager&) = default;
    CStratumUnitManager& operator=(const CStratumUnitManager&) = default;
    ~CStratumUnitManager() override;

    void SetMgrVec(CStratumUnitMgrVector* vec) { m_pMgrVec = vec; }
    CStratumUnitMgrVector* GetMgrVec() const { return m_pMgrVec; }
    ControlLine::CSglCtrlLine* GetControlLine() const { return m_pControlLine; }
    void SetControlLine(ControlLine::CSglCtrlLine* line) { m_pControlLine = line; }

protected:
    CStratumUnitMgrVector* m_pMgrVec;
    ControlLine::CSglCtrlLine* m_pControlLine;
};

class CStratumUnitMgrVector : public CManager<CStratumUnitManager> {
public:
    CStratumUnitMgrVector();
    CStratumUnitMgrVector(const CStratumUnitMgrVector&) = default;
    CStratumUnitMgrVector& operator=(const CStratumUnitMgrVector&) = default;
    ~CStratumUnitMgrVector() override;

    CSingleWellSection* GetSingle() const { return m_pSingle; }
    void SetSingle(CSingleWellSection* section) { m_pSingle = section; }

protected:
    CSingleWellSection* m_pSingle;
};

}  // namespace Stratum

extern template class CManager<Stratum::CStratumUnit>;
extern template class CManager<Stratum::CStratumUnitManager>;
