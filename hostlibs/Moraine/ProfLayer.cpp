#include "hosttypes/Moraine/ProfLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

using moraine::detail::Read;
using moraine::detail::SettingsOf;
using moraine::detail::Write;

namespace kel::plane {

IProfLayer::IProfLayer(CQXLayer* layer) : m_pLayer(layer), m_pSettings(SettingsOf(layer, true)) {}

CQXLayer* IProfLayer::GetLayer() const { return m_pLayer; }

int IProfLayer::GetStratumGrade() const { return Read<int>(m_pSettings, "StratumGrade", -1); }
CString IProfLayer::GetStratumName() const { return Read<CString>(m_pSettings, "StratumName", CString()); }
CString IProfLayer::GetWellGroup() const { return Read<CString>(m_pSettings, "WellGroup", CString()); }

CString IProfLayer::GetBoundaryName() const { return Read<CString>(m_pSettings, "BoundaryName", CString()); }

void IProfLayer::SetBoundaryName(const CString& name) {
    Write<CString>(m_pLayer, m_pSettings, "BoundaryName", name, "kel::plane::IProfLayer::SetBoundaryName", name.str());
}

CString IProfLayer::GetFaultName() const { return Read<CString>(m_pSettings, "FaultName", CString()); }

void IProfLayer::SetFaultName(const CString& name) {
    Write<CString>(m_pLayer, m_pSettings, "FaultName", name, "kel::plane::IProfLayer::SetFaultName", name.str());
}

}  // namespace kel::plane
