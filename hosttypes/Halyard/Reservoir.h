// The reservoir section container: a section whose sand bodies are grouped into flow units,
// with fault lines, control lines and designed virtual wells. Being a section container, its
// constructor and destructor belong to the reservoir library.
#pragma once

#include <boost/shared_ptr.hpp>

#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/SectionTypes.h"

namespace KelReservoir::Fault {
class CkelFaultLineManager;
}
namespace KelReservoir::VirtualWell {
class CkelControlLineManager;
}

namespace KelReservoir::Connection {

class CDesignerWellMgr;

class CkelReservoir : public ScContainer {
public:
    explicit CkelReservoir(CQXLayer* layer = nullptr);
    ~CkelReservoir() override;
    SC_DECLARE_ACCEPT()

    CONTAINERTYPE GetType() const override { return CT_RESERVOIR; }

    // ---- header-defined members ----
    EnumProfileType GetLineType() const { return m_lineType; }
    SandUnit::CkelFlowUnitManager& GetFlowUnitManager() { return m_flowUnitMgr; }
    boost::shared_ptr<VirtualWell::CkelControlLineManager> GetControlLineMgr() const { return m_controlLineMgr; }
    CDesignerWellMgr* GetDesignerWellMgr() const { return m_pDesignerWellMgr; }
    // Curved connections go with virtual wells: switching the curve switches both.
    void SetCurve(bool on) {
        m_bCurve = on;
        m_bEnableVirtualWell = on;
    }
    bool GetCurve() const { return m_bCurve; }
    bool IfCurve() const { return m_bCurve; }
    void DisableVirtulWell() { m_bEnableVirtualWell = false; }
    bool GetEnableVirtualWell() const { return m_bEnableVirtualWell; }
    bool IfEngineStarted() const { return m_bEngineStarted; }

    // ---- reservoir library operations ----
    boost::shared_ptr<Fault::CkelFaultLineManager> GetFaultLineMgr() const;
    bool HasEngineStarted() const;
    void StartEngine();
    void SetLineType(EnumProfileType type);
    void ReBack();
    void UpdateSandFill();
    void FlowUnitPenChanged();
    void EnvelopCurvePenChanged();
    void SplitCurvePenChanged();

protected:
    EnumProfileType m_lineType;
    SandUnit::CkelFlowUnitManager m_flowUnitMgr;
    boost::shared_ptr<VirtualWell::CkelControlLineManager> m_controlLineMgr;
    CDesignerWellMgr* m_pDesignerWellMgr;
    bool m_bCurve;
    bool m_bEngineStarted;
    bool m_bEnableVirtualWell;
    // Parts the library creates with the container and frees with it.
    boost::shared_ptr<CDesignerWellMgr> m_designerWellMgr;
    boost::shared_ptr<Fault::CkelFaultLineManager> m_faultLineMgr;
};

}  // namespace KelReservoir::Connection
