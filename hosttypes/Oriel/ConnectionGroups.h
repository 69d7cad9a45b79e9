// Stratum groups and connection groups between neighbouring wells, with their managers. The
// managers are CManager lists: copies share the groups.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionTypes.h"
#include "hosttypes/Oriel/Manager.h"

class CStratumCell;
class CnSand;
class CnShale;
class CnPinchParams;
class CnConnectionParams;

// The strata drawn between one pair of wells.
class CStratumGroup {
public:
    CStratumGroup() = default;
    CStratumGroup(const CStratumGroup&) = default;
    CStratumGroup& operator=(const CStratumGroup&) = default;
    virtual ~CStratumGroup();

    void SetLeftWellName(const std::string& name) { m_strLeftWell = name; }
    std::string GetLeftWellName() const { return m_strLeftWell; }
    void SetRightWellName(const std::string& name) { m_strRightWell = name; }
    std::string GetRightWellName() const { return m_strRightWell; }
    unsigned int GetSize() const { return static_cast<unsigned int>(m_strata.size()); }
    void Clear() { m_strata.clear(); }

    // ---- section-library operations ----
    void AddStratum(boost::shared_ptr<CStratumCell> cell);
    boost::shared_ptr<CStratumCell> GetStratum(unsigned int i) const;
    void SetStratumNameFont(const std::string& stratum, const QXLOGFONT& font);
    // The font last given to a stratum's name; false when none was.
    bool GetStratumNameFont(const std::string& stratum, QXLOGFONT& font) const;

protected:
    std::string m_strLeftWell;
    std::string m_strRightWell;
    std::vector<boost::shared_ptr<CStratumCell>> m_strata;
    std::vector<std::pair<std::string, QXLOGFONT>> m_nameFonts;
};

class CStratumGroupManager : public CManager<CStratumGroup> {
public:
    CStratumGroupManager() = default;
    CStratumGroupManager(const CStratumGroupManager&) = default;
    CStratumGroupManager& operator=(const CStratumGroupManager&) = default;
    ~CStratumGroupManager() override;

    void SetDrawStratumSeg(bool draw) { m_bDrawStratumSeg = draw; }
    int IsDrawStratumSeg() const { return m_bDrawStratumSeg ? 1 : 0; }
    void SetSmooth(bool smooth) { m_bSmooth = smooth; }
    bool IfSmooth() const { return m_bSmooth; }
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void EnableTimeStamp(bool enable) { m_bTimeStampEnabled = enable; }

    // ---- section-library operations ----
    // Rebuild the groups: all strata (of one stratum), above or below a stratum, the extensions.
    void CreateAll(const std::string& stratum);
    void CreateAll();
    void CreateTop(const std::string& stratum);
    void CreateBottom(const std::string& stratum);
    void CreateExtend();
    bool IsTimeStampEnabled() const;
    // Test hook: a change made elsewhere.
    void SetTimeStamp(uint64_t stamp);

protected:
    bool m_bDrawStratumSeg = false;
    bool m_bSmooth = false;
    uint64_t m_nTimeStamp = 0;
    bool m_bTimeStampEnabled = true;
    std::vector<std::string> m_strata;
};

// The connection groups between one pair of wells.
class CnConnectionGroupMgr {
public:
    CnConnectionGroupMgr() = default;
    CnConnectionGroupMgr(const CnConnectionGroupMgr&) = default;
    CnConnectionGroupMgr& operator=(const CnConnectionGroupMgr&) = default;
    virtual ~CnConnectionGroupMgr();

    void SetWell(const std::string& left, const std::string& right) {
        m_strLeftWell = left;
        m_strRightWell = right;
    }
    std::string GetLeftWellName() const { return m_strLeftWell; }
    std::string GetRightWellName() const { return m_strRightWell; }
    void SetCalType(ConnectionCalculateType type) { m_calType = type; }
    ConnectionCalculateType GetCalType() const { return m_calType; }
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

    // ---- section-library operations ----
    uint64_t GetTimeStamp() const;
    void SetConLinePen(const QXLOGPEN& pen);
    void SetSplitLinePen(const QXLOGPEN& pen);
    QXLOGPEN GetConLinePen() const;
    QXLOGPEN GetSplitLinePen() const;

protected:
    std::string m_strLeftWell;
    std::string m_strRightWell;
    ConnectionCalculateType m_calType = CON_CAL_NORMAL;
    uint64_t m_nTimeStamp = 0;
    QXLOGPEN m_conLinePen{};
    QXLOGPEN m_splitLinePen{};
};

class ScConGroupMgrVector : public CManager<CnConnectionGroupMgr> {
public:
    ScConGroupMgrVector() = default;
    ScConGroupMgrVector(const ScConGroupMgrVector&) = default;
    ScConGroupMgrVector& operator=(const ScConGroupMgrVector&) = default;
    ~ScConGroupMgrVector() override;

    ConnectionCalculateType GetCalculatorType() const { return m_calType; }
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetIsOnlyNormal(bool onlyNormal) { m_bOnlyNormal = onlyNormal; }

    // ---- section-library operations ----
    void CreateAll(const std::string& stratum);
    void CreateAll();
    void CreateTop(const std::string& stratum);
    void CreateBottom(const std::string& stratum);
    void CreateExtend();
    void SetCalculatorType(ConnectionCalculateType type);
    bool IsOnlyNormal() const;
    // Test hook: a change made elsewhere.
    void SetTimeStamp(uint64_t stamp);

protected:
    ConnectionCalculateType m_calType = CON_CAL_NORMAL;
    uint64_t m_nTimeStamp = 0;
    bool m_bOnlyNormal = false;
};

// The sands and shales of one stratum connected between a pair of wells.
class CnConnectionGroup {
public:
    CnConnectionGroup();
    // Copies share the parameter records; the copy's fill manager belongs to the copy.
    CnConnectionGroup(const CnConnectionGroup& other);
    CnConnectionGroup& operator=(const CnConnectionGroup& other);
    virtual ~CnConnectionGroup();

    void SetStratumName(const std::string& name) { m_strStratumName = name; }
    void SetGroupMgr(CnConnectionGroupMgr* mgr) { m_pGroupMgr = mgr; }
    CnConnectionGroupMgr* GetGroupMgr() const { return m_pGroupMgr; }
    CnSandFillMgr* GetSandFillMgr() { return &m_sandFillMgr; }
    boost::shared_ptr<CnPinchParams> GetPinchParams() const { return m_pinchParams; }
    boost::shared_ptr<CnConnectionParams> GetConnectionParams() const { return m_connectionParams; }

    // true = the left well. These choose between the library's left and right variants, so they
    // live with those in the section library.
    unsigned int GetSandCount(bool left) const;
    unsigned int GetShaleCount(bool left) const;
    CnShale* GetShale(unsigned int i, bool left) const;

    // ---- section-library operations ----
    std::string GetStratumName() const;
    unsigned int GetLeftSandCount() const;
    unsigned int GetRightSandCount() const;
    unsigned int GetLeftShaleCount() const;
    unsigned int GetRightShaleCount() const;
    // NULL when i is out of range.
    CnShale* GetLeftShale(unsigned int i) const;
    CnShale* GetRightShale(unsigned int i) const;
    void AddSand(CnSand* sand, bool left);
    void AddShale(CnShale* shale, bool left);

protected:
    std::string m_strStratumName;
    CnConnectionGroupMgr* m_pGroupMgr = nullptr;
    CnSandFillMgr m_sandFillMgr;
    boost::shared_ptr<CnPinchParams> m_pinchParams;
    boost::shared_ptr<CnConnectionParams> m_connectionParams;
    std::vector<CnSand*> m_leftSands;
    std::vector<CnSand*> m_rightSands;
    std::vector<CnShale*> m_leftShales;
    std::vector<CnShale*> m_rightShales;
};

extern template class CManager<CStratumGroup>;
extern template class CManager<CnConnectionGroupMgr>;
