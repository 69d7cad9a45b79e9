// The read-only "类型" item of the plane-map lists and the text a refresh shows a number by; the
// shared items they build are in framework/PropItems.h.
#pragma once

#include "framework/PropItems.h"

namespace planemap {

// The read-only "类型" item showing the object kind.
CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id);

// A number with a fixed count of decimals ("%.2f" for 2), unsigned when it shows as zero: no item
// shows "-0.00".
CString FixedText(double value, int decimals);

}  // namespace planemap
