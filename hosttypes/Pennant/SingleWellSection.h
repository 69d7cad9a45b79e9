// The single-well section: one well drawn as a section with its strata, sand bodies, control
// lines, curve engines and oil-gas-water flow units, and its display settings.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <utility>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Pennant/SingleWellTypes.h"

class CQXLayer;
class CSglWellAdapter;
namespace ControlLine {
class CSglCtrllLineManager;
}
namespace Stratum {
class CStratumUnitMgrVector;
}
namespace Sand {
class CSandUnitMgrVector;
}
namespace Curve {
class CEngineManager;
}
namespace FlowSandUnit {
class CFlowUnitManager;
}

// The name of the entry that ends the stratum list of the display settings.
extern const char* const kStratumListEnd;

// Stratum flags of the display settings: which parts of a stratum are drawn.
constexpr BYTE kStratumTopLine = 0x01;
constexpr BYTE kStratumBottomLine = 0x02;
constexpr BYTE kStratumFill = 0x04;
constexpr BYTE kStratumSand = 0x08;

class CSingleProperty {
public:
    struct STRATUMINFO {
        std::string name;
        BYTE flags = 0;
    };

    CSingleProperty();
    CSingleProperty(const CSingleProperty&);
    CSingleProperty& operator=(const CSingleProperty&);
    ~CSingleProperty();

    // ---- single-well library operations ----
    // False, with flags untouched, for a stratum the list lacks.
    bool GetStratumUnitInfo(const std::string& name, BYTE& flags) const;
    // Stores the flags of a listed stratum; a stratum the list lacks is ignored.
    void SetStratumUnitInfo(const std::string& name, BYTE flags);
    void GetStratumInfoVec(std::vector<STRATUMINFO>& list) const;
    // Inserts a stratum before the list's end entry.
    void AddStratum(const std::string& name, BYTE flags);

    // Fields the pages read and write directly.
    int m_nGrade;  // stratum grade 0..4 (grades one to five)
    std::string m_strTemplatePath;
    double m_dXScale;     // horizontal scale denominator
    double m_dYScale;     // vertical scale denominator
    int m_nSandShowMode;  // 0 all, 1 perforated, 2 connected, -1 none
    bool m_bEnvelopeVisible;
    QXLOGPEN m_envelopePen;
    std::vector<STRATUMINFO> m_stratumList;  // ends with the kStratumListEnd entry
};

// The selection of a single-well section, in selection order.
class CSglControlerClient {
public:
    CSglControlerClient() = default;
    CSglControlerClient(const CSglControlerClient&) = default;
    CSglControlerClient& operator=(const CSglControlerClient&) = default;
    virtual ~CSglControlerClient();

    // ---- single-well library operations ----
    std::vector<ScObjInterface*> GetActiveObj() const;
    void SetActiveObj(const std::vector<ScObjInterface*>& objs);

protected:
    std::vector<ScObjInterface*> m_activeObjs;
};

// Its constructor and destructor belong to the single-well library, which creates the well,
// the managers and the display settings with the section.
class CSingleWellSection : public CQXObject, public ScObjInterface, public CSglControlerClient {
public:
    explicit CSingleWellSection(CQXLayer* layer = nullptr);
    CSingleWellSection(const CSingleWellSection&) = delete;
    CSingleWellSection& operator=(const CSingleWellSection&) = delete;
    ~CSingleWellSection() override;
    SC_DECLARE_ACCEPT()

    // ---- header-defined members ----
    CSglWellAdapter* GetWell() const { return m_pWell; }
    WELLPATHSTYLE GetWellPathStyle() const { return m_wellPathStyle; }
    void SetWellPathStyle(int style) { m_wellPathStyle = static_cast<WELLPATHSTYLE>(style); }
    bool GetCurve() const { return m_bCurve; }
    boost::shared_ptr<ControlLine::CSglCtrllLineManager> GetControlLineMgr() const { return m_ctrlLineMgr; }
    void SetControlLineMgr(boost::shared_ptr<ControlLine::CSglCtrllLineManager> mgr) { m_ctrlLineMgr = mgr; }
    boost::shared_ptr<Stratum::CStratumUnitMgrVector> GetStratumManager() const { return m_stratumMgr; }
    boost::shared_ptr<Sand::CSandUnitMgrVector> GetSandUnitMgrVector() const { return m_sandMgr; }
    boost::shared_ptr<Curve::CEngineManager> GetCurveEngineMgr() const { return m_curveEngineMgr; }
    boost::shared_ptr<FlowSandUnit::CFlowUnitManager> GetOGWFlowUnitMgr() const { return m_ogwFlowUnitMgr; }
    CSingleProperty* GetProperty() const { return m_pProperty.get(); }

    // ---- single-well library operations ----
    bool IsSameWorkArea() const;
    void SetTemplate(const std::string& path);
    void UpdateStratumSand();
    void SetXScale(double scale);
    void SetYScale(double scale);
    void UpdateWnd();
    void SetCurve(bool curve);
    void SetSameWorkArea(bool same);

protected:
    CSglWellAdapter* m_pWell;
    WELLPATHSTYLE m_wellPathStyle;
    bool m_bCurve;
    boost::shared_ptr<ControlLine::CSglCtrllLineManager> m_ctrlLineMgr;
    boost::shared_ptr<Stratum::CStratumUnitMgrVector> m_stratumMgr;
    boost::shared_ptr<Sand::CSandUnitMgrVector> m_sandMgr;
    boost::shared_ptr<Curve::CEngineManager> m_curveEngineMgr;
    boost::shared_ptr<FlowSandUnit::CFlowUnitManager> m_ogwFlowUnitMgr;
    // Parts the library creates with the section and frees with it.
    boost::shared_ptr<CSglWellAdapter> m_well;
    boost::shared_ptr<CSingleProperty> m_pProperty;
    bool m_bSameWorkArea;
};
