// Section-library operations of the connection model: segments, fills, stratum and connection
// groups. Group building is recorded, not computed: the stand-in logs each rebuild request.
#include "hostlibs/Oriel/OrielLog.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionSegments.h"

using oriel::detail::Log;

namespace {
template <class T>
T* At(const std::vector<T*>& list, unsigned int i) {
    return i < list.size() ? list[i] : nullptr;
}
}  // namespace

// ---- CnSand ----

void CnSand::SetFaciesCode(const std::string& code) { m_strFaciesCode = code; }

void CnSand::SetFaciesStyle(FACIESSTYLE style) { m_faciesStyle = style; }

void CnSand::SetUnitCode(const std::string& code) { m_strUnitCode = code; }

std::string CnSand::GetCode(SymbolFillType type) const {
    switch (type) {
        case SYMFILL_OIL:
            return m_strOilCode;
        case SYMFILL_UNIT:
            return m_strUnitCode;
        case SYMFILL_LITH:
            return m_strLithCode;
        case SYMFILL_FACIES:
            return m_strFaciesCode;
        default:
            return std::string();
    }
}

// ---- CnSandFill ----

void CnSandFill::SetSymFillType(SymbolFillType type) { m_symFillType = type; }

void CnSandFill::SetLeft(bool left) { m_bLeft = left; }

void CnSandFill::SetFaultSandFill(bool fault) { m_bFaultFill = fault; }

void CnSandFill::SetFillObject(CQXObjectFill* fill) { m_pFillObject = fill; }

void CnSandFill::AddSand(CnSand* sand) {
    if (sand) m_sands.push_back(sand);
}

// ---- CStratumGroup ----

void CStratumGroup::AddStratum(boost::shared_ptr<CStratumCell> cell) { m_strata.push_back(cell); }

boost::shared_ptr<CStratumCell> CStratumGroup::GetStratum(unsigned int i) const {
    return i < m_strata.size() ? m_strata[i] : boost::shared_ptr<CStratumCell>();
}

void CStratumGroup::SetStratumNameFont(const std::string& stratum, const QXLOGFONT& font) {
    Log("CStratumGroup::SetStratumNameFont(" + stratum + ")");
    for (auto& entry : m_nameFonts) {
        if (entry.first == stratum) {
            entry.second = font;
            return;
        }
    }
    m_nameFonts.emplace_back(stratum, font);
}

bool CStratumGroup::GetStratumNameFont(const std::string& stratum, QXLOGFONT& font) const {
    for (const auto& entry : m_nameFonts) {
        if (entry.first == stratum) {
            font = entry.second;
            return true;
        }
    }
    return false;
}

// ---- CStratumGroupManager ----

void CStratumGroupManager::CreateAll(const std::string& stratum) {
    Log("CStratumGroupManager::CreateAll(" + stratum + ")");
}

void CStratumGroupManager::CreateAll() { Log("CStratumGroupManager::CreateAll()"); }

void CStratumGroupManager::CreateTop(const std::string& stratum) {
    Log("CStratumGroupManager::CreateTop(" + stratum + ")");
}

void CStratumGroupManager::CreateBottom(const std::string& stratum) {
    Log("CStratumGroupManager::CreateBottom(" + stratum + ")");
}

void CStratumGroupManager::CreateExtend() { Log("CStratumGroupManager::CreateExtend()"); }

bool CStratumGroupManager::IsTimeStampEnabled() const { return m_bTimeStampEnabled; }

void CStratumGroupManager::SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

// ---- CnConnectionGroupMgr ----

uint64_t CnConnectionGroupMgr::GetTimeStamp() const { return m_nTimeStamp; }

void CnConnectionGroupMgr::SetConLinePen(const QXLOGPEN& pen) {
    Log("CnConnectionGroupMgr::SetConLinePen()");
    m_conLinePen = pen;
}

void CnConnectionGroupMgr::SetSplitLinePen(const QXLOGPEN& pen) {
    Log("CnConnectionGroupMgr::SetSplitLinePen()");
    m_splitLinePen = pen;
}

QXLOGPEN CnConnectionGroupMgr::GetConLinePen() const { return m_conLinePen; }

QXLOGPEN CnConnectionGroupMgr::GetSplitLinePen() const { return m_splitLinePen; }

// ---- ScConGroupMgrVector ----

void ScConGroupMgrVector::CreateAll(const std::string& stratum) {
    Log("ScConGroupMgrVector::CreateAll(" + stratum + ")");
}

void ScConGroupMgrVector::CreateAll() { Log("ScConGroupMgrVector::CreateAll()"); }

void ScConGroupMgrVector::CreateTop(const std::string& stratum) {
    Log("ScConGroupMgrVector::CreateTop(" + stratum + ")");
}

void ScConGroupMgrVector::CreateBottom(const std::string& stratum) {
    Log("ScConGroupMgrVector::CreateBottom(" + stratum + ")");
}

void ScConGroupMgrVector::CreateExtend() { Log("ScConGroupMgrVector::CreateExtend()"); }

void ScConGroupMgrVector::SetCalculatorType(ConnectionCalculateType type) { m_calType = type; }

bool ScConGroupMgrVector::IsOnlyNormal() const { return m_bOnlyNormal; }

void ScConGroupMgrVector::SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

// ---- CnConnectionGroup ----
// The left/right choosers are header members in the original layout; they live here because
// they call the library's own variants.

unsigned int CnConnectionGroup::GetSandCount(bool left) const {
    return left ? GetLeftSandCount() : GetRightSandCount();
}

unsigned int CnConnectionGroup::GetShaleCount(bool left) const {
    return left ? GetLeftShaleCount() : GetRightShaleCount();
}

CnShale* CnConnectionGroup::GetShale(unsigned int i, bool left) const {
    return left ? GetLeftShale(i) : GetRightShale(i);
}

std::string CnConnectionGroup::GetStratumName() const { return m_strStratumName; }

unsigned int CnConnectionGroup::GetLeftSandCount() const { return static_cast<unsigned int>(m_leftSands.size()); }

unsigned int CnConnectionGroup::GetRightSandCount() const { return static_cast<unsigned int>(m_rightSands.size()); }

unsigned int CnConnectionGroup::GetLeftShaleCount() const { return static_cast<unsigned int>(m_leftShales.size()); }

unsigned int CnConnectionGroup::GetRightShaleCount() const { return static_cast<unsigned int>(m_rightShales.size()); }

CnShale* CnConnectionGroup::GetLeftShale(unsigned int i) const { return At(m_leftShales, i); }

CnShale* CnConnectionGroup::GetRightShale(unsigned int i) const { return At(m_rightShales, i); }

void CnConnectionGroup::AddSand(CnSand* sand, bool left) {
    if (sand) (left ? m_leftSands : m_rightSands).push_back(sand);
}

void CnConnectionGroup::AddShale(CnShale* shale, bool left) {
    if (shale) (left ? m_leftShales : m_rightShales).push_back(shale);
}
