// The designed wells' bottom, set for all of them at once.
#include "hostlibs/Halyard/CallLog.h"
#include "hosttypes/Halyard/DesignerWell.h"

namespace KelReservoir::Connection {

void CDesignerWellMgr::SetBottomDepth(double elevation) {
    halyard::detail::Log("CDesignerWellMgr::SetBottomDepth(" + std::to_string(elevation) + ")");
    for (const auto& well : m_wells) well->SetBottomDepth(elevation);
}

}  // namespace KelReservoir::Connection
