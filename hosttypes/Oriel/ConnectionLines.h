// The drawn parts of a connection: sand lines, split lines, sand fills and their boundaries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hosttypes/Oriel/ConnectionTypes.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "mfc/Types.h"

template <class T>
class CnPolyLineMgr;
class CnConnectionGroup;
class CnSand;
class CnSandFill;
class CnSandFillMgr;
class CQXObjectFill;
class CQXObjectPolyline;

class CnSandLine : public ScObjInterface {
public:
    CnSandLine();
    CnSandLine(const CnSandLine&) = default;
    CnSandLine& operator=(const CnSandLine&) = default;
    ~CnSandLine() override;
    SC_DECLARE_ACCEPT()
    virtual CnPolyLineMgr<CnSandLine>* GetMgr();

    bool IsVisible() const { return m_bVisible; }
    // The library's own writes.
    void SetVisible(bool visible) { m_bVisible = visible; }
    void SetMgr(CnPolyLineMgr<CnSandLine>* mgr) { m_pMgr = mgr; }

protected:
    bool m_bVisible = true;
    CnPolyLineMgr<CnSandLine>* m_pMgr = nullptr;
};

class CnSplitLine : public ScObjInterface {
public:
    CnSplitLine();
    CnSplitLine(const CnSplitLine&) = default;
    CnSplitLine& operator=(const CnSplitLine&) = default;
    ~CnSplitLine() override;
    SC_DECLARE_ACCEPT()

    void SetCanVisible(bool visible) { m_bCanVisible = visible; }
    bool IfCanVisible() const { return m_bCanVisible; }
    void SetRightFill(CnSandFill* fill) { m_pRightFill = fill; }
    CnSandFill* GetRightFill() const { return m_pRightFill; }

protected:
    bool m_bCanVisible = true;
    CnSandFill* m_pRightFill = nullptr;
};

class CnSandFill : public ScObjInterface {
public:
    CnSandFill();
    CnSandFill(const CnSandFill&) = default;
    CnSandFill& operator=(const CnSandFill&) = default;
    ~CnSandFill() override;
    SC_DECLARE_ACCEPT()
    // The map object that draws the fill (NULL until the library made one).
    virtual CQXObjectFill* GetFillObject();
    // The sands the fill covers, in the library's order.
    virtual void GetSand(std::vector<CnSand*>& sands);
    // The fill's first sand, NULL when it covers none.
    virtual CnSand* GetSand();
    // The connection group of the fill's manager, NULL without one.
    virtual CnConnectionGroup* GetConGroup();

    void SetFillType(bool symbols) { m_bFillType = symbols; }
    bool GetFillType() const { return m_bFillType; }
    SymbolFillType GetSymFillType() const { return m_symFillType; }
    void SetStyleSet(const std::string& name) { m_strStyleSet = name; }
    std::string GetStyleSet() const { return m_strStyleSet; }
    bool IsLeft() const { return m_bLeft; }
    bool IsFaultSandFill() const { return m_bFaultFill; }
    void SetSandFillMgr(CnSandFillMgr* mgr) { m_pSandFillMgr = mgr; }
    CnSandFillMgr* GetSandFillMgr() const { return m_pSandFillMgr; }

    // ---- section-library operations ----
    void SetSymFillType(SymbolFillType type);
    void SetLeft(bool left);
    void SetFaultSandFill(bool fault);
    void SetFillObject(CQXObjectFill* fill);
    void AddSand(CnSand* sand);

protected:
    bool m_bFillType = false;
    SymbolFillType m_symFillType = SYMFILL_NONE;
    std::string m_strStyleSet;
    bool m_bLeft = false;
    bool m_bFaultFill = false;
    CnSandFillMgr* m_pSandFillMgr = nullptr;
    CQXObjectFill* m_pFillObject = nullptr;
    std::vector<CnSand*> m_sands;
};

// The fills of one connection group (not owned), and the group.
class CnSandFillMgr {
public:
    CnSandFillMgr() = default;
    CnSandFillMgr(const CnSandFillMgr&) = default;
    CnSandFillMgr& operator=(const CnSandFillMgr&) = default;
    virtual ~CnSandFillMgr();

    void SetConGroup(CnConnectionGroup* group) { m_pConGroup = group; }
    CnConnectionGroup* GetConGroup() const { return m_pConGroup; }
    void AddFill(CnSandFill* fill);
    unsigned int GetNum() const { return static_cast<unsigned int>(m_fills.size()); }
    // NULL when i is out of range.
    CnSandFill* GetObj(unsigned int i) const { return i < m_fills.size() ? m_fills[i] : nullptr; }

protected:
    std::vector<CnSandFill*> m_fills;
    CnConnectionGroup* m_pConGroup = nullptr;
};

class CnSandFillBoundary : public ScObjInterface {
public:
    CnSandFillBoundary();
    CnSandFillBoundary(const CnSandFillBoundary&) = default;
    CnSandFillBoundary& operator=(const CnSandFillBoundary&) = default;
    ~CnSandFillBoundary() override;
    SC_DECLARE_ACCEPT()

    void SetPolyLine(CQXObjectPolyline* line) { m_pPolyLine = line; }
    CQXObjectPolyline* GetPolyLine() const { return m_pPolyLine; }
    // The claw: the boundary point being dragged, by index and device position.
    void SetClawPostion(int index, const CPoint& pt) {
        m_nClawIndex = index;
        m_clawPoint = pt;
    }
    void GetClawPostion(int& index, CPoint& pt) const {
        index = m_nClawIndex;
        pt = m_clawPoint;
    }

protected:
    CQXObjectPolyline* m_pPolyLine = nullptr;
    int m_nClawIndex = -1;
    CPoint m_clawPoint;
};

class CnConnectionData {
public:
    CnConnectionData() = default;
    CnConnectionData(const CnConnectionData&) = default;
    CnConnectionData& operator=(const CnConnectionData&) = default;
    virtual ~CnConnectionData();

    bool IsValid() const { return m_hData != 0; }
    void SetWellDataType(WellDataType type) { m_wellDataType = type; }
    WellDataType GetWellDataType() const { return m_wellDataType; }
    // The library's own write of the data handle.
    void SetDataHandle(uint64_t handle) { m_hData = handle; }

protected:
    uint64_t m_hData = 0;
    WellDataType m_wellDataType = WELLDATA_SAND;
};
