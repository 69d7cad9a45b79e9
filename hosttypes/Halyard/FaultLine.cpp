#include "hosttypes/Halyard/FaultLine.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace KelReservoir::Fault {

SC_IMPLEMENT_ACCEPT(CkelFaultLine)

CkelFaultLineManager::CkelFaultLineManager()
    : m_bVisible(true), m_pFaultPointInWells(nullptr), m_bDrawFaultPointsInWell(false), m_pReservoir(nullptr) {}
CkelFaultLineManager::~CkelFaultLineManager() = default;

}  // namespace KelReservoir::Fault

template class CManagerWithObj<boost::shared_ptr<KelReservoir::Fault::CkelFaultLine>>;
