// A counted pointer: the object and a separately allocated count, shared by every copy.
// The last release deletes the object through its virtual destructor, then the count.
#pragma once

// GCC cannot see that a count still held by a copy is never 0 and reports the shared count as
// used after free; the count is freed only by the last release.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
#define SMARTPTR_RESTORE_WARNINGS
#endif

template <class T>
class SmartPtr {
public:
    SmartPtr() : m_pObj(nullptr), m_pCount(nullptr) {}
    // Takes ownership of obj (NULL makes an empty pointer).
    explicit SmartPtr(T* obj) : m_pObj(obj), m_pCount(obj ? new int(1) : nullptr) {}
    SmartPtr(const SmartPtr& other) : m_pObj(other.m_pObj), m_pCount(other.m_pCount) { AddRef(); }
    ~SmartPtr() { Release(); }

    // The new reference is taken before the old one is released, so assigning a pointer
    // to itself (or to another copy of the same object) never frees the object.
    SmartPtr& operator=(const SmartPtr& other) {
        T* obj = other.m_pObj;
        int* count = other.m_pCount;
        if (count) ++*count;
        Release();
        m_pObj = obj;
        m_pCount = count;
        return *this;
    }

    T* get() const { return m_pObj; }
    T* operator->() const { return m_pObj; }
    T& operator*() const { return *m_pObj; }
    explicit operator bool() const { return m_pObj != nullptr; }
    int use_count() const { return m_pCount ? *m_pCount : 0; }

private:
    void AddRef() const {
        if (m_pCount) ++*m_pCount;
    }
    void Release() {
        if (m_pCount && --*m_pCount == 0) {
            delete m_pObj;
            delete m_pCount;
        }
        m_pObj = nullptr;
        m_pCount = nullptr;
    }

    T* m_pObj;
    int* m_pCount;
};

#ifdef SMARTPTR_RESTORE_WARNINGS
#pragma GCC diagnostic pop
#undef SMARTPTR_RESTORE_WARNINGS
#endif
