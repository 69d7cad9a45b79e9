#include "hosttypes/Pennant/SandUnit.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace Sand {

CSandUnitLine::CSandUnitLine() : m_bVisible(true) {}
CSandUnitLine::~CSandUnitLine() = default;

CSandUnit::CSandUnit()
    : m_pManager(nullptr), m_bConnection(false), m_dTopDep(0.0), m_dBottomDep(0.0), m_bVisible(true) {
    m_strObjName = "CSandUnit";
}
CSandUnit::~CSandUnit() = default;

CSandUnitManager::CSandUnitManager() : m_pMgrVector(nullptr), m_pControlLine(nullptr) {}
CSandUnitManager::~CSandUnitManager() = default;

CSandUnitMgrVector::CSandUnitMgrVector() : m_pSingle(nullptr) {}
CSandUnitMgrVector::~CSandUnitMgrVector() = default;

CSandUnitFill::CSandUnitFill() : m_pFill(nullptr), m_pUnit(nullptr) { m_strObjName = "CSandUnitFill"; }
CSandUnitFill::~CSandUnitFill() = default;
SC_IMPLEMENT_ACCEPT(CSandUnitFill)

}  // namespace Sand

// The lists the module compiles for the single-well pages.
template class CManager<Sand::CSandUnit>;
template class CManager<Sand::CSandUnitManager>;
