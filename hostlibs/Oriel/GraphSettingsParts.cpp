// What the graph-settings pages call besides the container: the well transform, the ruler
// frame's fit and the test of a stratification level.
#include "hostlibs/Oriel/OrielLog.h"
#include "hosttypes/Oriel/CSectionTransform.h"
#include "hosttypes/Oriel/CStratumSysAdapter.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Osprey/WellDataManager.h"

using oriel::detail::Log;

CSectionTransform* CSectionTransform::Instance() {
    static CSectionTransform transform;
    return &transform;
}

void CSectionTransform::TransformWell(const std::string& well) {
    Log("CSectionTransform::TransformWell(" + well + ")");
}

void ScRulerFrame::UpdateRulerFrameRect() { Log("ScRulerFrame::UpdateRulerFrameRect()"); }

bool CStratumSysAdapter::IsValidGrade(int level) {
    if (level < 0 || level > 4) return false;
    return CWellDataManager::Instance()->GetStratumManager()->GetStratumCount(level) > 0;
}
