// Flow units and interface lines: the library's side of them.
#include "hostlibs/Halyard/CallLog.h"
#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace KelReservoir::SandUnit {

using halyard::detail::Log;

namespace {
// Names of the fluids on either side of an interface line.
const char* const kFluidGas = "气";
const char* const kFluidOil = "油";
const char* const kFluidWater = "水";
}  // namespace

void CkelFlowUnit::SetBrush(QXLOGBRUSH& brush) {
    m_brush = brush;
    Log("CkelFlowUnit::SetBrush");
}
void CkelFlowUnit::SetOswLineManager(boost::shared_ptr<CkelOSWerLineManager> mgr) { m_oswLineMgr = mgr; }

void CkelFlowUnitManager::Rebuild() { Log("CkelFlowUnitManager::Rebuild"); }
void CkelFlowUnitManager::ReBuildWithOSWInfo() { Log("CkelFlowUnitManager::ReBuildWithOSWInfo"); }

// The header-defined setters that stamp: the stamp counter is the utility library's.
void CkelOSWerLine::SetLineType(OSWLineType type) {
    m_lineType = type;
    m_nTimeStamp = AfxGetTimeStamp();
}
void CkelOSWerLine::SetLogPen(QXLOGPEN pen) {
    m_logPen = pen;
    m_nTimeStamp = AfxGetTimeStamp();
}

double CkelOSWerLine::GetDepth() const { return m_dDepth; }
void CkelOSWerLine::SetDepth(double depth) { m_dDepth = depth; }
std::string CkelOSWerLine::GetUpperString() const {
    switch (m_lineType) {
        case OSW_OIL_GAS:
        case OSW_GAS_WATER:
            return kFluidGas;
        default:
            return kFluidOil;
    }
}
std::string CkelOSWerLine::GetLowerString() const { return m_lineType == OSW_OIL_GAS ? kFluidOil : kFluidWater; }
void CkelOSWerLine::GetMoveDepthExtent(double& minDepth, double& maxDepth) const {
    minDepth = m_dMinDepth;
    maxDepth = m_dMaxDepth;
}
void CkelOSWerLine::SetMoveDepthExtent(double minDepth, double maxDepth) {
    m_dMinDepth = minDepth;
    m_dMaxDepth = maxDepth;
}
void CkelOSWerLine::setPosY(double y) {
    // Map y grows upward, depth downward.
    m_dDepth = -y;
    Log("CkelOSWerLine::setPosY(" + std::to_string(y) + ")");
}

int CkelOSWerLineManager::GetNum() const { return (m_upperLine ? 1 : 0) + (m_lowerLine ? 1 : 0); }
double CkelOSWerLineManager::DpToY(double depth) const { return -depth; }
void CkelOSWerLineManager::SetUpperLine(boost::shared_ptr<CkelOSWerLine> line) {
    m_upperLine = line;
    if (line) line->SetManager(this);
}
void CkelOSWerLineManager::SetLowerLine(boost::shared_ptr<CkelOSWerLine> line) {
    m_lowerLine = line;
    if (line) line->SetManager(this);
}
void CkelOSWerLineManager::AddOSWerUnit(boost::shared_ptr<IkelSandUnit> unit) {
    if (unit) m_units.push_back(unit);
}
void CkelOSWerLineManager::SetSelObj(IkelSandUnit* unit) { m_pSelObj = unit; }

}  // namespace KelReservoir::SandUnit
