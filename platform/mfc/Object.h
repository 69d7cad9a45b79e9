// CObject and run-time class records: class names, the base chain for IsKindOf, and
// dynamic creation. The base is reached through a function so that records defined in
// different libraries need no particular order of static initialisation.
#pragma once

#include "win32/Win32.h"

class CObject;

struct CRuntimeClass {
    static constexpr int kChainSize = 16;

    const char* m_lpszClassName;
    CRuntimeClass* (*m_pfnGetBaseClass)();
    CObject* (*m_pfnCreateObject)();  // NULL when the class is not creatable
    // Learnt on first use, so that IsDerivedFrom is one comparison (it runs on every refresh):
    // the class's distance from the root (-1 until known; kChainSize when deeper than the
    // chain kept) and the chain from the root down to the class.
    mutable int m_nDepth;
    mutable const CRuntimeClass* m_chain[kChainSize];

    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    int Depth() const;
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsCreatable() const { return m_pfnCreateObject != nullptr; }
};

class CObject {
public:
    virtual ~CObject() = default;
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls) ? TRUE : FALSE; }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (cls::GetThisClass())

#define DECLARE_DYNAMIC(cls)                                \
public:                                                     \
    static CRuntimeClass* GetThisClass();                   \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls) \
    DECLARE_DYNAMIC(cls)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(cls, base, creator)                                            \
    CRuntimeClass* cls::GetThisClass() {                                                       \
        static CRuntimeClass record = {#cls, &base::GetThisClass, creator, -1, {}};            \
        return &record;                                                                        \
    }                                                                                          \
    CRuntimeClass* cls::GetRuntimeClass() const { return cls::GetThisClass(); }

#define IMPLEMENT_DYNAMIC(cls, base) IMPLEMENT_RUNTIMECLASS_(cls, base, nullptr)
#define IMPLEMENT_DYNCREATE(cls, base)                                  \
    CObject* cls::CreateObject() { return new cls; }                    \
    IMPLEMENT_RUNTIMECLASS_(cls, base, &cls::CreateObject)

// Run-time cast through the records (NULL when obj is not of cls).
template <class T>
T* DynamicDowncast(CObject* obj) {
    return (obj && obj->IsKindOf(RUNTIME_CLASS(T))) ? static_cast<T*>(obj) : nullptr;
}
#define DYNAMIC_DOWNCAST(cls, obj) DynamicDowncast<cls>(obj)
#define STATIC_DOWNCAST(cls, obj) static_cast<cls*>(obj)
