#include "hosttypes/Lodestar/PlObjInterface.h"

namespace KelProfileline {

CPlControlerInterface::~CPlControlerInterface() = default;

CPlObjInterface::CPlObjInterface() : m_bActive(false), m_nTimeStamp(0) {}
CPlObjInterface::~CPlObjInterface() = default;

void CPlObjInterface::Accept(CPlControlerInterface*) {}
void CPlObjInterface::DrawSelectedMark(CDC*, CView*, int) {}
std::string CPlObjInterface::GetMouseEventName() const { return m_strMouseEventName; }
OBJINTERFACETYPE CPlObjInterface::GetObjType() const { return OBJ_NONE; }
void CPlObjInterface::SetObjType(OBJINTERFACETYPE) {}

CPlControlerClient::~CPlControlerClient() = default;

}  // namespace KelProfileline
