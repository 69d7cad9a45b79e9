#include "hosttypes/Halyard/OSWerLine.h"

#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Oriel/ScControlerInterface.h"

namespace KelReservoir::SandUnit {

CkelOSWerLine::CkelOSWerLine()
    : m_lineType(OSW_OIL_WATER), m_bShow(true), m_pManager(nullptr), m_dDepth(0.0), m_dMinDepth(0.0), m_dMaxDepth(0.0) {
    m_strObjName = "CkelOSWerLine";
}
CkelOSWerLine::~CkelOSWerLine() = default;
SC_IMPLEMENT_ACCEPT(CkelOSWerLine)

CkelOSWerLineManager::CkelOSWerLineManager() : m_nState(0), m_pSelObj(nullptr) {}
CkelOSWerLineManager::~CkelOSWerLineManager() = default;

}  // namespace KelReservoir::SandUnit
