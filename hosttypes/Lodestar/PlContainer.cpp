#include "hosttypes/Lodestar/PlContainer.h"

#include "hosttypes/Lodestar/LayerProperty.h"

namespace KelProfileline {

CPlRefrenceInfo::CPlRefrenceInfo() = default;
CPlRefrenceInfo::~CPlRefrenceInfo() = default;

CPlPropWndDispMgrAdapter::~CPlPropWndDispMgrAdapter() = default;

void CPlPropWndDispMgrAdapter::GetActiveObj(long& object) {
    object = 0;
    if (m_pTarget) m_pTarget->GetActiveObj(object);
}

CPlControl::CPlControl() : m_pMap(nullptr), m_pDocOperator(nullptr), m_pView(nullptr), m_pFrame(nullptr) {}
CPlControl::~CPlControl() = default;

PL_IMPLEMENT_ACCEPT(CPlCnEntity)

}  // namespace KelProfileline
