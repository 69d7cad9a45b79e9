#include "hosttypes/Halyard/ControlLine.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace KelReservoir::VirtualWell {

CkelControlLine::CkelControlLine() : m_dPointSize(0.0), m_pManager(nullptr) { m_strObjName = "CkelControlLine"; }
CkelControlLine::~CkelControlLine() = default;
SC_IMPLEMENT_ACCEPT(CkelControlLine)

CkelControlLineManager::CkelControlLineManager() : m_pReservoir(nullptr) {}
CkelControlLineManager::~CkelControlLineManager() = default;

}  // namespace KelReservoir::VirtualWell
