// Test hooks of the general-data library stand-in.
#pragma once

#include <vector>

#include "hosttypes/Rivet/MutiColPtData.h"

namespace rivet::testing {
// The next CGeneralDataManager::Instance() is a new manager holding the sample data sets (see the
// README); pointers handed out before are invalid.
void Reset();
// Replaces the column-point data sets (giving the project that manager again after a removal).
void SetColPtData(const std::vector<CMutiColPtData>& sets);
// The project then has no column-point data: GetColPtDataManager() answers NULL.
void RemoveColPtDataManager();
// A set with those value names and type codes (the codes are cut or padded with 0 to the names).
CMutiColPtData MakeColPtData(const char* name, const std::vector<CString>& valNames, const std::vector<BYTE>& types,
                             bool segment);
}  // namespace rivet::testing
