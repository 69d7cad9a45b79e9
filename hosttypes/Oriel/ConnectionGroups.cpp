#include "hosttypes/Oriel/ConnectionGroups.h"

#include "hosttypes/Oriel/ConnectionParams.h"

template class CManager<CStratumGroup>;
template class CManager<CnConnectionGroupMgr>;

CStratumGroup::~CStratumGroup() = default;

CStratumGroupManager::~CStratumGroupManager() = default;

CnConnectionGroupMgr::~CnConnectionGroupMgr() = default;

ScConGroupMgrVector::~ScConGroupMgrVector() = default;

// A group always carries parameter records, so the parameter requests never answer nothing.
CnConnectionGroup::CnConnectionGroup() : m_pinchParams(new CnPinchParams), m_connectionParams(new CnConnectionParams) {
    m_sandFillMgr.SetConGroup(this);
}

CnConnectionGroup::CnConnectionGroup(const CnConnectionGroup& other)
    : m_strStratumName(other.m_strStratumName),
      m_pGroupMgr(other.m_pGroupMgr),
      m_sandFillMgr(other.m_sandFillMgr),
      m_pinchParams(other.m_pinchParams),
      m_connectionParams(other.m_connectionParams),
      m_leftSands(other.m_leftSands),
      m_rightSands(other.m_rightSands),
      m_leftShales(other.m_leftShales),
      m_rightShales(other.m_rightShales) {
    m_sandFillMgr.SetConGroup(this);
}

CnConnectionGroup& CnConnectionGroup::operator=(const CnConnectionGroup& other) {
    if (this != &other) {
        m_strStratumName = other.m_strStratumName;
        m_pGroupMgr = other.m_pGroupMgr;
        m_sandFillMgr = other.m_sandFillMgr;
        m_sandFillMgr.SetConGroup(this);
        m_pinchParams = other.m_pinchParams;
        m_connectionParams = other.m_connectionParams;
        m_leftSands = other.m_leftSands;
        m_rightSands = other.m_rightSands;
        m_leftShales = other.m_leftShales;
        m_rightShales = other.m_rightShales;
    }
    return *this;
}

CnConnectionGroup::~CnConnectionGroup() = default;
