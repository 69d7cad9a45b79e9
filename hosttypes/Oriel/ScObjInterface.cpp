#include "hosttypes/Oriel/ScObjInterface.h"

#include "hosttypes/Oriel/IDispManager.h"
#include "hosttypes/Oriel/ScControlerClient.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "hosttypes/Oriel/ScCoordsTranslatorInterface.h"

ScControlerInterface::~ScControlerInterface() = default;
ScCoordsTranslatorInterface::~ScCoordsTranslatorInterface() = default;
ScControlerClient::~ScControlerClient() = default;
IDispManager::~IDispManager() = default;
CPropWndDispMgrAdapter::~CPropWndDispMgrAdapter() = default;

void CPropWndDispMgrAdapter::GetActiveObj(long& object) {
    if (m_pTarget)
        m_pTarget->GetActiveObj(object);
    else
        object = 0;
}

ScObjInterface::ScObjInterface() : m_bActive(false), m_nTimeStamp(0) {}

ScObjInterface::~ScObjInterface() = default;

// Objects that are not meant to be edited keep this body: no controller sees them.
void ScObjInterface::Accept(ScControlerInterface* controler) {}

void ScObjInterface::DrawSelectedMark(CDC* dc, CView* view, int mode) {}

bool ScObjInterface::HitTest(const CPoint& pt) { return false; }

std::string ScObjInterface::GetMouseEventName() { return m_strMouseEventName; }
