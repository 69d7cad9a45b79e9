#include "mfc/Object.h"

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* c = this; c; c = c->GetBaseClass())
        if (c == base) return true;
    return false;
}

CRuntimeClass* CObject::GetThisClass() {
    static CRuntimeClass record = {"CObject", nullptr, nullptr};
    return &record;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return CObject::GetThisClass(); }
