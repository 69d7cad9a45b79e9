#include "hosttypes/Halyard/DesignerWell.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace KelReservoir::Connection {

CDesignerWellAdapter::CDesignerWellAdapter()
    : m_dMinWidth(0.0), m_dTopDepth(0.0), m_dBottomDepth(0.0), m_bHaveFaultPt(false), m_pReservoir(nullptr) {
    m_strObjName = "CDesignerWellAdapter";
}
CDesignerWellAdapter::CDesignerWellAdapter(const CDesignerWellAdapter&) = default;
CDesignerWellAdapter& CDesignerWellAdapter::operator=(const CDesignerWellAdapter&) = default;
CDesignerWellAdapter::~CDesignerWellAdapter() = default;
SC_IMPLEMENT_ACCEPT(CDesignerWellAdapter)

CDesignerWellMgr::CDesignerWellMgr() = default;
CDesignerWellMgr::~CDesignerWellMgr() = default;

}  // namespace KelReservoir::Connection

CRsSelectWells::CRsSelectWells() : m_dFirst(0.0), m_dSecond(0.0) {}
CRsSelectWells::CRsSelectWells(const CRsSelectWells&) = default;
CRsSelectWells& CRsSelectWells::operator=(const CRsSelectWells&) = default;
CRsSelectWells::~CRsSelectWells() = default;
