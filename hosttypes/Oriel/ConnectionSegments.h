// Sand and shale segments of a well, and the per-well managers holding them. Depths are stored as
// the library computed them; the normalised depths place a segment within its stratum.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Oriel/ConnectionTypes.h"
#include "hosttypes/Oriel/Message.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/String.h"

class IkelWellAdapter;
class CnSandMgr;
class CnShaleMgr;

class CnSegObj {
public:
    enum { CONTROL_POINT_COUNT = 4 };

    CnSegObj() = default;
    CnSegObj(const CnSegObj&) = default;
    CnSegObj& operator=(const CnSegObj&) = default;
    virtual ~CnSegObj();
    virtual bool HitTest(FLOATPOINT pt);
    virtual void SetTopDepth(double depth);
    virtual void SetBottomDepth(double depth);
    virtual void SetNormalizedTopDepth(double depth);
    virtual void SetNormalizedBottomDepth(double depth);

    double GetTopDepth() const { return m_dTopDepth; }
    double GetBottomDepth() const { return m_dBottomDepth; }
    double GetNormalizedTopDepth() const { return m_dNormalizedTopDepth; }
    double GetNormalizedBottomDepth() const { return m_dNormalizedBottomDepth; }
    void SetStratumName(CString name) { m_strStratumName = name; }
    CString GetStratumName() const { return m_strStratumName; }

    double GetThick() const;
    double GetNormalizedMiddleDepth() const;
    // Indices from 4 on are ignored.
    void SetControlPoint(unsigned int i, const FLOATPOINT& pt);
    FLOATPOINT GetControlPoint(unsigned int i) const;
    // Bounding rectangle of the control points, y growing upward.
    FLOATRECT GetMapRect() const;

protected:
    FLOATRECT calRect() const;

    double m_dTopDepth = 0.0;
    double m_dBottomDepth = 0.0;
    double m_dNormalizedTopDepth = 0.0;
    double m_dNormalizedBottomDepth = 0.0;
    CString m_strStratumName;
    FLOATPOINT m_ctrlPoints[CONTROL_POINT_COUNT];
};

class CnSand : public CnSegObj {
public:
    CnSand() = default;
    CnSand(const CnSand&) = default;
    CnSand& operator=(const CnSand&) = default;
    ~CnSand() override;
    void SetTopDepth(double depth) override;
    void SetBottomDepth(double depth) override;
    void SetNormalizedTopDepth(double depth) override;
    void SetNormalizedBottomDepth(double depth) override;

    std::string GetFaciesCode() const { return m_strFaciesCode; }
    void SetOilCode(const std::string& code) { m_strOilCode = code; }
    std::string GetOilCode() const { return m_strOilCode; }
    void SetLithCode(const std::string& code) { m_strLithCode = code; }
    std::string GetLithCode() const { return m_strLithCode; }
    FACIESSTYLE GetFaciesStyle() const { return m_faciesStyle; }
    void SetMgr(CnSandMgr* mgr) { m_pMgr = mgr; }
    CnSandMgr* GetMgr() const { return m_pMgr; }

    double GetMidDepth() const { return (m_dTopDepth + m_dBottomDepth) * 0.5; }
    bool GetIsRiverFace() const { return m_faciesStyle == FACIES_RIVER; }

    // ---- section-library operations ----
    void SetFaciesCode(const std::string& code);
    void SetFaciesStyle(FACIESSTYLE style);
    void SetUnitCode(const std::string& code);
    // The code a symbol fill of the given type shows for this sand ("" when the type has none).
    std::string GetCode(SymbolFillType type) const;

protected:
    std::string m_strFaciesCode;
    std::string m_strOilCode;
    std::string m_strLithCode;
    std::string m_strUnitCode;
    FACIESSTYLE m_faciesStyle = FACIES_NONE;
    CnSandMgr* m_pMgr = nullptr;
};

class CnShale : public CnSegObj {
public:
    CnShale() = default;
    CnShale(const CnShale&) = default;
    CnShale& operator=(const CnShale&) = default;
    ~CnShale() override;
    void SetNormalizedTopDepth(double depth) override;
    void SetNormalizedBottomDepth(double depth) override;

    void SetSand(CnSand* top, CnSand* bottom) {
        m_pTopSand = top;
        m_pBottomSand = bottom;
    }
    CnSand* GetTopSand() const { return m_pTopSand; }
    CnSand* GetBottomSand() const { return m_pBottomSand; }
    void SetMgr(CnShaleMgr* mgr) { m_pMgr = mgr; }
    CnShaleMgr* GetMgr() const { return m_pMgr; }

protected:
    CnSand* m_pTopSand = nullptr;
    CnSand* m_pBottomSand = nullptr;
    CnShaleMgr* m_pMgr = nullptr;
};

// The segments of one well, in depth order as the library appends them. The manager owns them.
class CnSegObjMgr : public CMessageNode<unsigned int> {
public:
    CnSegObjMgr() = default;
    // Owning a list of raw pointers: a copy would delete the same segments twice.
    CnSegObjMgr(const CnSegObjMgr&) = delete;
    CnSegObjMgr& operator=(const CnSegObjMgr&) = delete;
    ~CnSegObjMgr() override;

    // Takes ownership of seg.
    void AddObj(CnSegObj* seg);
    // NULL when i is out of range.
    CnSegObj* GetObj(unsigned int i) const { return i < m_objs.size() ? m_objs[i] : nullptr; }
    unsigned int GetNum() const { return static_cast<unsigned int>(m_objs.size()); }
    bool empty() const { return m_objs.empty(); }

    void SetWellGraph(IkelWellAdapter* well) { m_pWell = well; }
    IkelWellAdapter* GetWellGraph() const { return m_pWell; }

    // Forgets every segment without deleting it (ownership passes to whoever holds them).
    void RemoveAll() { m_objs.clear(); }
    // Forgets the segments and the well.
    void Init();
    // Deletes every segment, then forgets the list.
    void Clear();

protected:
    std::vector<CnSegObj*> m_objs;
    IkelWellAdapter* m_pWell = nullptr;
};

class CnSandMgr : public CnSegObjMgr {
public:
    CnSandMgr() = default;
    ~CnSandMgr() override;
};

class CnShaleMgr : public CnSegObjMgr {
public:
    CnShaleMgr() = default;
    ~CnShaleMgr() override;
};
