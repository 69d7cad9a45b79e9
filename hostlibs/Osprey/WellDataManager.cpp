#include "hosttypes/Osprey/WellDataManager.h"

#include <memory>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Tinder/TimeStamp.h"

namespace {
std::unique_ptr<CWellDataManager>& Slot() {
    static std::unique_ptr<CWellDataManager> manager;
    return manager;
}
}  // namespace

CWellDataManager* CWellDataManager::Instance() {
    if (!Slot()) Slot() = std::make_unique<CWellDataManager>();
    return Slot().get();
}

namespace osprey::testing {
void ResetWellDataManager() { Slot().reset(); }
void TouchWellData() { CWellDataManager::Instance()->SetTimeStamp(AfxGetTimeStamp()); }
}  // namespace osprey::testing
