// Out-of-line members of the section's small model parts (one place for their virtual tables).
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CWellShadePoint.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScDepthRulerMgr.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScDisScaleMgr.h"
#include "hosttypes/Oriel/ScMouseMessagerMgr.h"
#include "hosttypes/Oriel/ScScaler.h"
#include "hosttypes/Oriel/ScSection.h"
#include "hosttypes/Oriel/ScUpdateView.h"
#include "hosttypes/Oriel/ScWellPositionor.h"

ScSection::~ScSection() = default;
ScScaler::~ScScaler() = default;
ScWellPositionor::~ScWellPositionor() = default;
ScDisRulerMgr::~ScDisRulerMgr() = default;
ScDepthRulerMgr::~ScDepthRulerMgr() = default;
ScDisScaleMgr::~ScDisScaleMgr() = default;
ScMouseMessagerMgr::~ScMouseMessagerMgr() = default;
CMapProperty::~CMapProperty() = default;

CWellShadePoint::CWellShadePoint() : m_pWellMgr(nullptr), m_pWellPoints(new WellPointList) {}

// Each shade point owns its list: a copy gets a list of its own with the same points.
CWellShadePoint::CWellShadePoint(const CWellShadePoint& other)
    : m_lineFrom(other.m_lineFrom),
      m_lineTo(other.m_lineTo),
      m_pWellMgr(other.m_pWellMgr),
      m_pWellPoints(new WellPointList(*other.m_pWellPoints)) {}

CWellShadePoint& CWellShadePoint::operator=(const CWellShadePoint& other) {
    if (this != &other) {
        m_lineFrom = other.m_lineFrom;
        m_lineTo = other.m_lineTo;
        m_pWellMgr = other.m_pWellMgr;
        *m_pWellPoints = *other.m_pWellPoints;
    }
    return *this;
}

CWellShadePoint::~CWellShadePoint() {
    m_pWellPoints->clear();
    delete m_pWellPoints;
}

void ScUpdateView::Update() {
    if (m_pContainer && !m_bDisabled) m_pContainer->UpdateWnd();
}
