// The reservoir container, its designed wells and control lines: the library's side of them.
#include "hosttypes/Halyard/Reservoir.h"

#include "hostlibs/Halyard/CallLog.h"
#include "hosttypes/Halyard/ControlLine.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"

namespace KelReservoir::Connection {

using halyard::detail::Log;

// ---- container ----
CkelReservoir::CkelReservoir(CQXLayer* layer)
    : ScContainer(layer),
      m_lineType(PROFILE_SEQUENCE),
      m_controlLineMgr(new VirtualWell::CkelControlLineManager),
      m_pDesignerWellMgr(nullptr),
      m_bCurve(false),
      m_bEngineStarted(false),
      m_bEnableVirtualWell(false),
      m_designerWellMgr(new CDesignerWellMgr),
      m_faultLineMgr(new Fault::CkelFaultLineManager) {
    m_strObjName = "CkelReservoir";
    m_pDesignerWellMgr = m_designerWellMgr.get();
    m_flowUnitMgr.SetReservoir(this);
    m_controlLineMgr->SetReservoir(this);
    m_faultLineMgr->SetReservoir(this);
}
CkelReservoir::~CkelReservoir() = default;

boost::shared_ptr<Fault::CkelFaultLineManager> CkelReservoir::GetFaultLineMgr() const { return m_faultLineMgr; }
bool CkelReservoir::HasEngineStarted() const { return m_bEngineStarted; }
void CkelReservoir::StartEngine() { m_bEngineStarted = true; }
void CkelReservoir::SetLineType(EnumProfileType type) { m_lineType = type; }
void CkelReservoir::ReBack() { Log("CkelReservoir::ReBack"); }
void CkelReservoir::UpdateSandFill() { Log("CkelReservoir::UpdateSandFill"); }
void CkelReservoir::FlowUnitPenChanged() { Log("CkelReservoir::FlowUnitPenChanged"); }
void CkelReservoir::EnvelopCurvePenChanged() { Log("CkelReservoir::EnvelopCurvePenChanged"); }
void CkelReservoir::SplitCurvePenChanged() { Log("CkelReservoir::SplitCurvePenChanged"); }

// ---- designed wells ----
void CDesignerWellAdapter::SetWellNames(const std::string& name, const std::string& left, const std::string& right) {
    m_strWellName = name;
    m_strLeftWellName = left;
    m_strRightWellName = right;
}
void CDesignerWellAdapter::SetTopDepth(double elevation) {
    m_dTopDepth = elevation;
    Log("CDesignerWellAdapter::SetTopDepth(" + std::to_string(elevation) + ")");
}
void CDesignerWellAdapter::SetBottomDepth(double elevation) {
    m_dBottomDepth = elevation;
    Log("CDesignerWellAdapter::SetBottomDepth(" + std::to_string(elevation) + ")");
}
QXLOGPEN* CDesignerWellAdapter::GetLogPen() { return &m_logPen; }
void CDesignerWellAdapter::SetLogPen(QXLOGPEN* pen) {
    Log("CDesignerWellAdapter::SetLogPen");
    if (pen) m_logPen = *pen;
}
QXLOGFONT* CDesignerWellAdapter::GetLogFont() { return &m_logFont; }
void CDesignerWellAdapter::SetLogFont(QXLOGFONT* font) {
    Log("CDesignerWellAdapter::SetLogFont");
    if (font) m_logFont = *font;
}
void CDesignerWellAdapter::SetReservoir(CkelReservoir* reservoir) { m_pReservoir = reservoir; }

void CDesignerWellMgr::SetTopDepth(double elevation) {
    Log("CDesignerWellMgr::SetTopDepth(" + std::to_string(elevation) + ")");
    for (const auto& well : m_wells) well->SetTopDepth(elevation);
}
void CDesignerWellMgr::SetWellWidth(double width) {
    Log("CDesignerWellMgr::SetWellWidth(" + std::to_string(width) + ")");
    for (const auto& well : m_wells) well->m_dMinWidth = width;
}
unsigned int CDesignerWellMgr::GetNum() const { return static_cast<unsigned int>(m_wells.size()); }
boost::shared_ptr<CDesignerWellAdapter> CDesignerWellMgr::GetObj(unsigned int i) const {
    return i < m_wells.size() ? m_wells[i] : boost::shared_ptr<CDesignerWellAdapter>();
}
void CDesignerWellMgr::AddWell(boost::shared_ptr<CDesignerWellAdapter> well) {
    if (well) m_wells.push_back(well);
}

}  // namespace KelReservoir::Connection

// ---- control lines ----
namespace KelReservoir::VirtualWell {

using halyard::detail::Log;

void CkelControlLine::SetManager(CkelControlLineManager* mgr) { m_pManager = mgr; }
QXLOGPEN CkelControlLine::GetLogPen() const { return m_logPen; }
void CkelControlLine::SetLogPen(QXLOGPEN pen) {
    m_logPen = pen;
    Log("CkelControlLine::SetLogPen");
}
QXLOGBRUSH CkelControlLine::GetBrush() const { return m_brush; }
void CkelControlLine::SetBrush(QXLOGBRUSH brush) {
    m_brush = brush;
    Log("CkelControlLine::SetBrush");
}

Connection::CkelReservoir* CkelControlLineManager::GetReservoir() const { return m_pReservoir; }
void CkelControlLineManager::SetReservoir(Connection::CkelReservoir* reservoir) { m_pReservoir = reservoir; }
unsigned int CkelControlLineManager::GetNum() const { return static_cast<unsigned int>(m_lines.size()); }
boost::shared_ptr<CkelControlLine> CkelControlLineManager::GetObj(unsigned int i) const {
    return i < m_lines.size() ? m_lines[i] : boost::shared_ptr<CkelControlLine>();
}
void CkelControlLineManager::AddLine(boost::shared_ptr<CkelControlLine> line) {
    if (!line) return;
    line->SetManager(this);
    m_lines.push_back(line);
}

}  // namespace KelReservoir::VirtualWell
