// The section container of the stand-in: it makes its parts with itself and logs the library
// operations the pages call. Nothing is drawn.
#include "hosttypes/Oriel/ScContainer.h"

#include "hostlibs/Oriel/OrielLog.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Oriel/ScScaler.h"
#include "hosttypes/Oriel/ScWellMgr.h"
#include "hosttypes/Oriel/ScWellPositionor.h"

using oriel::detail::Log;
using oriel::detail::Num;

ScContainer::ScContainer(CQXLayer* layer)
    : CQXObject(layer),
      m_pSection(nullptr),
      m_pWellMgr(nullptr),
      m_pLookDownForm(nullptr),
      m_pDisRulerMgr(nullptr),
      m_pDispManager(nullptr),
      m_conMgrVector(new ScConGroupMgrVector),
      m_nConMgrTimeStamp(0),
      m_bValid(true),
      m_wellMgr(new ScWellMgr),
      m_lookDownForm(new ScLookDownForm),
      m_disRulerMgr(new ScDisRulerMgr),
      m_scaler(new ScScaler),
      m_positionor(new ScWellPositionor),
      m_rulerFrame(new ScRulerFrame),
      m_stratumGroups(new CStratumGroupManager),
      m_property(new CMapProperty),
      m_nUpdateCount(0) {
    m_pWellMgr = m_wellMgr.get();
    m_pLookDownForm = m_lookDownForm.get();
    m_pDisRulerMgr = m_disRulerMgr.get();
    m_lookDownForm->SetContainer(this);
    m_disRulerMgr->SetContainer(this);
    m_scaler->SetContainer(this);
    m_rulerFrame->SetContainer(this);
    m_rulerFrame->SetWSCWellMgr(m_pWellMgr);
    m_rulerFrame->SetWSCWellPositionor(m_positionor.get());
    m_positionor->GetShadePoint().SetWellMgr(m_pWellMgr);
}

ScContainer::~ScContainer() = default;

void ScContainer::ReLayout(bool top) { Log(std::string("ScContainer::ReLayout(") + (top ? "true" : "false") + ")"); }
void ScContainer::PrepareScale(double xRatio, double yRatio) {
    Log("ScContainer::PrepareScale(" + Num(xRatio) + "," + Num(yRatio) + ")");
}
void ScContainer::OnScaleChanged(double xRatio, double yRatio) {
    Log("ScContainer::OnScaleChanged(" + Num(xRatio) + "," + Num(yRatio) + ")");
}
void ScContainer::PrepareRefresh(int mode) { Log("ScContainer::PrepareRefresh(" + std::to_string(mode) + ")"); }
void ScContainer::Refresh() { Log("ScContainer::Refresh()"); }
void ScContainer::ApplySandBrush(IkelWellAdapter* well, CnSand* sand, const QXLOGBRUSH& brush) {
    oriel::detail::RecordSandBrush(well, sand, brush);
    Log("ScContainer::ApplySandBrush[" + (well ? well->GetName() : std::string()) + "](" +
        std::to_string(brush.style) + "," + std::to_string(brush.fillColor) + "," + Num(brush.size) + ")");
}
void ScContainer::UpdateWnd() {
    ++m_nUpdateCount;
    Log("ScContainer::UpdateWnd()");
}
void ScContainer::DuplicateAttribute(CQXObject* obj) { Log("ScContainer::DuplicateAttribute()"); }

boost::shared_ptr<CMapProperty> ScContainer::GetProperty() const { return m_property; }
CStratumGroupManager* ScContainer::GetStratumGroupManager() const { return m_stratumGroups.get(); }
ScWellPositionor* ScContainer::GetWellPositionor() const { return m_positionor.get(); }
ScRulerFrame* ScContainer::GetRulerFrame() const { return m_rulerFrame.get(); }
ScScaler* ScContainer::GetScaler() const { return m_scaler.get(); }
int ScContainer::CalMaxGrade() const { return 4; }
void ScContainer::TransformOnScale(const std::string& well, double xScale, double yScale) {
    Log("ScContainer::TransformOnScale(" + well + "," + Num(xScale) + "," + Num(yScale) + ")");
}
void ScContainer::SetDispManager(IDispManager* manager) { m_pDispManager = manager; }
void ScContainer::SetPropertyValid(bool valid) { m_bValid = valid; }
int ScContainer::GetUpdateCount() const { return m_nUpdateCount; }

CnConnection::CnConnection(CQXLayer* layer) : ScContainer(layer) { m_strObjName = "CnConnection"; }
CnConnection::~CnConnection() = default;
// Defined with the library: it hands the object on to the container's own copy.
void CnConnection::DuplicateAttribute(CQXObject* obj) { ScContainer::DuplicateAttribute(obj); }

CrCorrelation::CrCorrelation(CQXLayer* layer)
    : ScContainer(layer), m_nUseLocalData(0), m_bShowFaultPoint(true), m_faultPointMgr(new CrWellFaultPointMgr) {
    m_strObjName = "CrCorrelation";
    m_faultPointMgr->SetWellMgr(m_pWellMgr);
}
CrCorrelation::~CrCorrelation() = default;
void CrCorrelation::DuplicateAttribute(CQXObject* obj) { ScContainer::DuplicateAttribute(obj); }
void CrCorrelation::SetUsingLocalData(int local) { m_nUseLocalData = local; }
