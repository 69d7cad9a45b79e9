#include "hosttypes/Oriel/ScWellMgr.h"

#include <algorithm>

#include "hostlibs/Oriel/OrielLog.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"

using oriel::detail::Log;
using oriel::detail::Num;

void ScWellMgr::AddWell(IkelWellAdapter* well) {
    if (well) m_wells.push_back(well);
}
void ScWellMgr::RemoveAllWells() { m_wells.clear(); }
IkelWellAdapter* ScWellMgr::GetWell(unsigned int i) const { return i < m_wells.size() ? m_wells[i] : nullptr; }

// The shallowest top and the deepest bottom of all wells; false when there are none.
bool ScWellMgr::GetTopBotDepth(double& top, double& bottom) const {
    if (m_wells.empty()) return false;
    top = m_wells.front()->GetTopDepth();
    bottom = m_wells.front()->GetBottomDepth();
    for (const IkelWellAdapter* well : m_wells) {
        top = std::min(top, well->GetTopDepth());
        bottom = std::max(bottom, well->GetBottomDepth());
    }
    return true;
}
bool ScWellMgr::IsNullWell() const { return m_wells.empty(); }
double ScWellMgr::GetTopDepth() const {
    double top = 0, bottom = 0;
    GetTopBotDepth(top, bottom);
    return top;
}
double ScWellMgr::GetBotDepth() const {
    double top = 0, bottom = 0;
    GetTopBotDepth(top, bottom);
    return bottom;
}
std::string ScWellMgr::GetTopStratum() const {
    return m_wells.empty() ? std::string() : m_wells.front()->GetTopStratum();
}
std::string ScWellMgr::GetBotStratum() const {
    return m_wells.empty() ? std::string() : m_wells.front()->GetBottomStratum();
}
void ScWellMgr::SetWellWidth(double width) {
    Log("ScWellMgr::SetWellWidth(" + Num(width) + ")");
    for (IkelWellAdapter* well : m_wells) well->SetWidth(width);
}
void ScWellMgr::SortWells() { Log("ScWellMgr::SortWells()"); }
void ScWellMgr::UpdateWell() { Log("ScWellMgr::UpdateWell()"); }
double ScWellMgr::GetMinWidth() const {
    double width = 0;
    for (const IkelWellAdapter* well : m_wells) width = std::max(width, well->GetMinWidth());
    return width;
}
std::vector<IkelWellAdapter*> ScWellMgr::GetValidConCalWell() const { return m_wells; }
