#include "hosttypes/Zephyr/WpOilTest.h"

#include <iterator>

#include "hosttypes/Zephyr/WpWell.h"

WPKITTYPE CWpOilTest::GetWpKitType() { return WPKIT_OILTEST; }
int CWpOilTest::GetSegCount() { return static_cast<int>(m_segments.size()); }

CgOilTestSegment* CWpOilTest::GetActiveSeg() {
    if (m_nActiveSeg < 0 || m_nActiveSeg >= GetSegCount()) return nullptr;
    return *std::next(m_segments.begin(), m_nActiveSeg);
}

std::list<CgOilTestSegment*>& CWpOilTest::GetSegList() { return m_segments; }
std::vector<float>* CWpOilTest::GetColWidth() { return &m_colWidth; }
CWpWell* CWpOilTest::GetWell() { return m_pWell; }
void CWpOilTest::SetWell(CWpWell* well) { m_pWell = well; }
WDMgrIO* CWpOilTest::GetDataMgr() { return m_pWell ? m_pWell->GetDataMgr() : nullptr; }
CString CWpOilTest::GetDataType() { return m_strDataType; }
CString CWpOilTest::GetDataTable() { return m_strDataTable; }
