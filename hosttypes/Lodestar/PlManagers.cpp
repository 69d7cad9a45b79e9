#include "hosttypes/Lodestar/PlManagers.h"

namespace KelProfileline {

CPlWellMgr::CPlWellMgr() : m_pContainer(nullptr) {}
CPlWellMgr::~CPlWellMgr() = default;

CPlProfilelineMgr::CPlProfilelineMgr() : m_pContainer(nullptr) {}
CPlProfilelineMgr::~CPlProfilelineMgr() = default;

}  // namespace KelProfileline
