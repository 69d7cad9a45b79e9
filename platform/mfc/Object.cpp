#include "mfc/Object.h"

int CRuntimeClass::Depth() const {
    if (m_nDepth >= 0) return m_nDepth;
    const CRuntimeClass* up[kChainSize];
    int n = 0;
    for (const CRuntimeClass* c = this; c; c = c->GetBaseClass()) {
        if (n == kChainSize) return m_nDepth = kChainSize;  // too deep: walked each time
        up[n++] = c;
    }
    for (int i = 0; i < n; ++i) m_chain[i] = up[n - 1 - i];
    return m_nDepth = n - 1;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    if (!base) return false;
    const int depth = Depth(), baseDepth = base->Depth();
    if (depth < kChainSize && baseDepth < kChainSize) return baseDepth <= depth && m_chain[baseDepth] == base;
    for (const CRuntimeClass* c = this; c; c = c->GetBaseClass())
        if (c == base) return true;
    return false;
}

CRuntimeClass* CObject::GetThisClass() {
    static CRuntimeClass record = {"CObject", nullptr, nullptr, -1, {}};
    return &record;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return CObject::GetThisClass(); }
