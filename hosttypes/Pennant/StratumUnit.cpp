#include "hosttypes/Pennant/StratumUnit.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace Stratum {

CStratumUnit::CStratumUnit() : m_pFill(nullptr), m_dTopDep(0.0), m_dBottomDep(0.0), m_pManager(nullptr) {
    m_strObjName = "CStratumUnit";
}
CStratumUnit::~CStratumUnit() = default;
SC_IMPLEMENT_ACCEPT(CStratumUnit)

CStratumUnitManager::CStratumUnitManager() : m_pMgrVec(nullptr), m_pControlLine(nullptr) {}
CStratumUnitManager::~CStratumUnitManager() = default;

CStratumUnitMgrVector::CStratumUnitMgrVector() : m_pSingle(nullptr) {}
CStratumUnitMgrVector::~CStratumUnitMgrVector() = default;

}  // namespace Stratum

// The lists the module compiles for the single-well pages.
template class CManager<Stratum::CStratumUnit>;
template class CManager<Stratum::CStratumUnitManager>;
