// Test hooks of the map-core library stand-in.
#pragma once

#include "mfc/String.h"

namespace harrow::testing {
// The next CKelProject::Instance() is a new project: valid spatial reference, folder
// kDefaultProjectPath. Pointers and references handed out before are invalid.
void Reset();
// Whether the project's spatial reference validates.
void SetSpatialReferenceValid(bool valid);
void SetProjectPath(const CString& path);

inline constexpr const char* kDefaultProjectPath = "C:\\KelProject\\Sample";
}  // namespace harrow::testing
