#include "hosttypes/Oriel/ConnectionLines.h"

CnSandLine::CnSandLine() { SetObjName("CnSandLine"); }
CnSandLine::~CnSandLine() = default;
SC_IMPLEMENT_ACCEPT(CnSandLine)

CnPolyLineMgr<CnSandLine>* CnSandLine::GetMgr() { return m_pMgr; }

CnSplitLine::CnSplitLine() { SetObjName("CnSplitLine"); }
CnSplitLine::~CnSplitLine() = default;
SC_IMPLEMENT_ACCEPT(CnSplitLine)

CnSandFill::CnSandFill() { SetObjName("CnSandFill"); }
CnSandFill::~CnSandFill() = default;
SC_IMPLEMENT_ACCEPT(CnSandFill)

// The fill's parts are kept here, beside the header members, because these virtual reads are
// the only way the rest of the system reaches them.
CQXObjectFill* CnSandFill::GetFillObject() { return m_pFillObject; }

void CnSandFill::GetSand(std::vector<CnSand*>& sands) { sands = m_sands; }

CnSand* CnSandFill::GetSand() { return m_sands.empty() ? nullptr : m_sands.front(); }

CnConnectionGroup* CnSandFill::GetConGroup() { return m_pSandFillMgr ? m_pSandFillMgr->GetConGroup() : nullptr; }

CnSandFillMgr::~CnSandFillMgr() = default;

void CnSandFillMgr::AddFill(CnSandFill* fill) {
    if (fill) m_fills.push_back(fill);
}

CnSandFillBoundary::CnSandFillBoundary() { SetObjName("CnSandFillBoundary"); }
CnSandFillBoundary::~CnSandFillBoundary() = default;
SC_IMPLEMENT_ACCEPT(CnSandFillBoundary)

CnConnectionData::~CnConnectionData() = default;
