// The read-only "类型" item and the count item of the plane-map lists, and the text a refresh
// shows a number by; the shared items they build are in framework/PropItems.h.
#pragma once

#include <initializer_list>

#include "framework/PropItems.h"

namespace planemap {

// The read-only "类型" item showing the object kind.
CBCGPProp* NewTypeItem(const char* kind, DWORD_PTR id);
// A whole number of 0 or more, typed or picked among the options given, refusing what ReadCount
// refuses.
CBCGPProp* NewCountItem(const char* name, const char* description, DWORD_PTR id,
                        std::initializer_list<const char*> options);

}  // namespace planemap
