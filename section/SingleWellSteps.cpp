#include "section/SingleWellSteps.h"

#include "hosttypes/Pennant/SandUnit.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "hosttypes/Pennant/StratumUnit.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace single {

CSingleWellSection* SectionOf(const Sand::CSandUnit* unit) {
    const Sand::CSandUnitManager* manager = unit ? unit->GetManager() : nullptr;
    const Sand::CSandUnitMgrVector* vector = manager ? manager->GetManager() : nullptr;
    return vector ? vector->GetSingle() : nullptr;
}

CSingleWellSection* SectionOf(const Stratum::CStratumUnit* unit) {
    const Stratum::CStratumUnitManager* manager = unit ? unit->GetManager() : nullptr;
    const Stratum::CStratumUnitMgrVector* vector = manager ? manager->GetMgrVec() : nullptr;
    return vector ? vector->GetSingle() : nullptr;
}

void Stamp(CSingleWellSection* section) {
    if (section) static_cast<ScObjInterface*>(section)->SetTimeStamp(AfxGetTimeStamp());
}

void Redraw(CSingleWellSection* section) {
    if (!section) return;
    section->UpdateWnd();
    static_cast<CQXObject*>(section)->SetModifyFlag(1);
}

void ForEachSandUnit(CSingleWellSection* section, const std::function<void(Sand::CSandUnit&)>& visit) {
    const boost::shared_ptr<Sand::CSandUnitMgrVector> managers = section ? section->GetSandUnitMgrVector() : nullptr;
    if (!managers) return;
    for (unsigned int m = 0; m < managers->GetNum(); ++m) {
        const boost::shared_ptr<Sand::CSandUnitManager> manager = managers->GetObj(m);
        if (!manager) continue;
        for (unsigned int u = 0; u < manager->GetNum(); ++u)
            if (const boost::shared_ptr<Sand::CSandUnit> unit = manager->GetObj(u)) visit(*unit);
    }
}

}  // namespace single
