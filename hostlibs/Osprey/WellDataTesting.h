// Test hooks of the well-data library stand-in's manager.
#pragma once

namespace osprey::testing {
// The next CWellDataManager::Instance() is a new, empty manager.
void ResetWellDataManager();
// A change of the well data made elsewhere: the manager's stamp moves to a new time stamp.
void TouchWellData();
}  // namespace osprey::testing
