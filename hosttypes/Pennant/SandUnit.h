// Sand bodies of a single-well section, bounded by sand lines, in a two-level list: the
// manager vector holds managers, each manager holds units.
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

namespace Sand {

class CSandUnitManager;
class CSandUnitMgrVector;

// A sand line bounding a unit at its top or bottom.
class CSandUnitLine {
public:
    CSandUnitLine();
    virtual ~CSandUnitLine();

    // ---- single-well library operations ----
    bool IsVisible() const;
    void SetVisible(bool visible);
    QXLOGPEN GetPen() const;
    void SetPen(const QXLOGPEN& pen);

protected:
    bool m_bVisible;
    QXLOGPEN m_pen;
};

class CSandUnit : public ScObjInterface {
public:
    CSandUnit();
    CSandUnit(const CSandUnit&) = default;
    CSandUnit& operator=(const CSandUnit&) = default;
    ~CSandUnit() override;

    // ---- header-defined members ----
    boost::shared_ptr<CSandUnitLine> GetTopSandLine() const { return m_topLine; }
    boost::shared_ptr<CSandUnitLine> GetBottomSandLine() const { return m_bottomLine; }
    void SetStratumName(std::string& name) { m_strStratumName = name; }
    std::string GetStratumName() const { return m_strStratumName; }
    void SetManager(CSandUnitManager* mgr) { m_pManager = mgr; }
    CSandUnitManager* GetManager() const { return m_pManager; }
    bool IsConnction() const { return m_bConnection; }
    std::string GetOilCode() const { return m_strOilCode; }
    void SetTopDep(double depth) { m_dTopDep = depth; }
    double GetTopDep() const { return m_dTopDep; }
    void SetBottomDep(double depth) { m_dBottomDep = depth; }
    double GetBottomDep() const { return m_dBottomDep; }

    // ---- single-well library operations ----
    void SetOilCode(const std::string& code);
    void SetVisible(bool visible);
    bool IsVisible() const;
    void SetSandLineVisible(bool visible);  // both bounding lines
    void SetSandLinePen(const QXLOGPEN& pen);
    void SetConnection(bool connected);
    void SetSandLines(boost::shared_ptr<CSandUnitLine> top, boost::shared_ptr<CSandUnitLine> bottom);

protected:
    boost::shared_ptr<CSandUnitLine> m_topLine;
    boost::shared_ptr<CSandUnitLine> m_bottomLine;
    std::string m_strStratumName;
    CSandUnitManager* m_pManager;
    bool m_bConnection;
    std::string m_strOilCode;
    double m_dTopDep;
    double m_dBottomDep;
    // State of the library's own operations.
    bool m_bVisible;
};

class CSandUnitManager : public CManager<CSandUnit> {
public:
    CSandUnitManager();
    CSandUnitManager(const CSandUnitManager&) = default;
    CSandUnitManager& operator=(const CSandUnitManager&) = default;
    ~CSandUnitManager() override;

    void SetManager(CSandUnitMgrVector* vec) { m_pMgrVector = vec; }
    CSandUnitMgrVector* GetManager() const { return m_pMgrVector; }
    void SetControlLine(ControlLine::CSglCtrlLine* line) { m_pControlLine = line; }
    ControlLine::CSglCtrlLine* GetControlLine() const { return m_pControlLine; }

protected:
    CSandUnitMgrVector* m_pMgrVector;
    ControlLine::CSglCtrlLine* m_pControlLine;
};

class CSandUnitMgrVector : public CManager<CSandUnitManager> {
public:
    CSandUnitMgrVector();
    CSandUnitMgrVector(const CSandUnitMgrVector&) = default;
    CSandUnitMgrVector& operator=(const CSandUnitMgrVector&) = default;
    ~CSandUnitMgrVector() override;

    CSingleWellSection* GetSingle() const { return m_pSingle; }
    void SetSingle(CSingleWellSection* section) { m_pSingle = section; }

protected:
    CSingleWellSection* m_pSingle;
};

// The drawn fill of a sand unit.
class CSandUnitFill : public ScObjInterface {
public:
    CSandUnitFill();
    CSandUnitFill(const CSandUnitFill&) = default;
    CSandUnitFill& operator=(const CSandUnitFill&) = default;
    ~CSandUnitFill() override;
    SC_DECLARE_ACCEPT()

    CQXObjectFill* GetFill() const { return m_pFill; }
    CSandUnit* GetSandUnit() const { return m_pUnit; }

    // ---- single-well library operations ----
    void SetFill(CQXObjectFill* fill);
    void SetSandUnit(CSandUnit* unit);

protected:
    CQXObjectFill* m_pFill;
    CSandUnit* m_pUnit;
};

}  // namespace Sand

extern template class CManager<Sand::CSandUnit>;
extern template class CManager<Sand::CSandUnitManager>;
