// The read-only "类型" item of the plane-map lists; the shared items they build are in
// framework/PropItems.h.
#pragma once

#include "framework/PropItems.h"

namespace planemap {

// The read-only "类型" item showing the object kind.
CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id);

}  // namespace planemap
