// Fault points marked on the wells of a correlation section: one point, the points of one
// well, and the points of all wells.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"

class CrWellFaultPoint;
class CrWellFaultPointMgr;
class CrFaultPointData;
class ScWellMgr;
class IkelWellAdapter;

class CrFaultPoint : public ScObjInterface {
public:
    explicit CrFaultPoint(CrWellFaultPoint* parent = nullptr);
    CrFaultPoint(const CrFaultPoint&) = default;
    CrFaultPoint& operator=(const CrFaultPoint&) = default;
    ~CrFaultPoint() override;
    SC_DECLARE_ACCEPT()

    QXLOGPOINT GetLogPoint() const { return m_logPoint; }
    void ShowLabel(bool show) { m_bShowLabel = show; }
    bool IsShowLabel() const { return m_bShowLabel; }
    void SetLabelFont(const QXLOGFONT& font) { m_labelFont = font; }
    QXLOGFONT GetLabelFont() const { return m_labelFont; }
    void SetXOffset(double offset) { m_dXOffset = offset; }
    void SetYOffset(double offset) { m_dYOffset = offset; }
    double GetYOffset() const { return m_dYOffset; }
    void SetApplyType(int type) { m_nApplyType = type; }
    int GetApplyType() const { return m_nApplyType; }
    void SetZoomFactor(double zoom) { m_dZoomFactor = zoom; }
    CrWellFaultPoint* GetParent() const { return m_pParent; }
    // Handed to the pages' setters as member pointers.
    void SetDisplayStyle(int style) { m_nDisplayStyle = style; }
    int GetDisplayStyle() const { return m_nDisplayStyle; }
    void SetPosStyle(int style) { m_nPosStyle = style; }

    // ---- section-library operations ----
    void SetLogPoint(const QXLOGPOINT& point);
    double GetXOffset() const;
    int GetPosStyle() const;

protected:
    QXLOGPOINT m_logPoint;
    bool m_bShowLabel;
    QXLOGFONT m_labelFont;
    double m_dXOffset;
    double m_dYOffset;
    int m_nApplyType;
    double m_dZoomFactor;
    int m_nDisplayStyle;
    int m_nPosStyle;
    CrWellFaultPoint* m_pParent;

    // ---- label fields and fault data (section-library operations) ----
public:
    // The point keeps kMaxLabels label fields; the number shown is stored as given, 0 for a
    // negative one.
    static constexpr int kMaxLabels = 7;
    unsigned int GetLabelNumber() const;
    void SetLabelNumber(int number);
    // "" outside 0 .. kMaxLabels-1; SetLabel there stores nothing.
    std::string GetLabel(int i) const;
    void SetLabel(int i, const std::string& label);
    CString GetFaultStraum() const;
    void SetFaultStraum(CString stratum);
    int GetFaultNumber() const;
    void SetFaultNumber(int number);
    double GetFaultDepth() const;
    void SetFaultDepth(double depth);
    double GetFaultDistance() const;
    void SetFaultDistance(double distance);
    CString GetCompareWell() const;
    void SetCompareWell(CString well);
    double GetCompareDepth() const;
    void SetCompareDepth(double depth);
    CString GetFaultTopStraum() const;
    void SetFaultTopStraum(CString stratum);
    CString GetFaultBotStraum() const;
    void SetFaultBotStraum(CString stratum);

protected:
    unsigned int m_nLabelNumber = 0;
    std::string m_labels[kMaxLabels];
    CString m_strFaultStraum;
    int m_nFaultNumber = 0;
    double m_dFaultDepth = 0.0;
    double m_dFaultDistance = 0.0;
    CString m_strCompareWell;
    double m_dCompareDepth = 0.0;
    CString m_strFaultTopStraum;
    CString m_strFaultBotStraum;
};

class CrWellFaultPoint {
public:
    explicit CrWellFaultPoint(CrWellFaultPointMgr* mgr = nullptr);
    CrWellFaultPoint(const CrWellFaultPoint&) = default;
    CrWellFaultPoint& operator=(const CrWellFaultPoint&) = default;
    virtual ~CrWellFaultPoint();

    unsigned int GetCount() const { return static_cast<unsigned int>(m_points.size()); }
    void SetUsed(bool used) { m_bUsed = used; }
    bool IfUsed() const { return m_bUsed; }
    boost::shared_ptr<CrFaultPointData> GetFaultPointData() const { return m_data; }
    CrWellFaultPointMgr* GetMgr() const { return m_pMgr; }

    // ---- section-library operations ----
    // A new fault point of this well.
    CrFaultPoint* AddFaultPoint();
    CrFaultPoint* GetFaultPoint(unsigned int i) const;

protected:
    std::vector<boost::shared_ptr<CrFaultPoint>> m_points;
    bool m_bUsed;
    boost::shared_ptr<CrFaultPointData> m_data;
    CrWellFaultPointMgr* m_pMgr;

    // ---- the well (section-library operations) ----
public:
    IkelWellAdapter* GetWell() const;
    void SetWell(IkelWellAdapter* well);

protected:
    IkelWellAdapter* m_pWell = nullptr;
};

class CrWellFaultPointMgr {
public:
    CrWellFaultPointMgr() = default;
    // Copies share the wells' lists.
    CrWellFaultPointMgr(const CrWellFaultPointMgr&) = default;
    CrWellFaultPointMgr& operator=(const CrWellFaultPointMgr&) = default;
    virtual ~CrWellFaultPointMgr();

    unsigned int GetCount() const { return static_cast<unsigned int>(m_wells.size()); }

    // ---- section-library operations ----
    // A new well list of fault points.
    CrWellFaultPoint* CreateFaultPoint();
    CrWellFaultPoint* GetWellFaultPoint(unsigned int i) const;
    ScWellMgr* GetWellMgr() const;
    void SetWellMgr(ScWellMgr* mgr);

protected:
    std::vector<boost::shared_ptr<CrWellFaultPoint>> m_wells;
    ScWellMgr* m_pWellMgr = nullptr;
};
