// The three list templates the section, reservoir and single-well libraries keep their
// collections in. Members are defined here, so every instantiation is compiled by whoever uses it.
//   CManager<T>              owns its elements through shared pointers and can create them;
//   CManagerWithObj<T>       holds values (T needs operator== for DelObj/FindObj);
//   CManagerWithoutCreate<T> holds pointers it never deletes.
// Iteration is by index, 0 .. GetNum()-1; every search is linear and the first match wins.
#pragma once

#include <algorithm>
#include <boost/shared_ptr.hpp>
#include <cstddef>
#include <vector>

class CQXMFile;

template <class T>
class CManager {
public:
    typedef boost::shared_ptr<T> ObjPtr;

    CManager() = default;
    // Copies share the elements: only the list of pointers is copied.
    CManager(const CManager&) = default;
    CManager& operator=(const CManager&) = default;
    virtual ~CManager() { RemoveAll(); }

    // Plain managers do not persist; derived managers that do override these.
    virtual int ReadFromFile(CQXMFile* file) { return 1; }
    virtual int SaveToFile(CQXMFile* file) { return 1; }

    ObjPtr CreateObj() {
        ObjPtr p(new T());
        m_objs.push_back(p);
        return p;
    }

    // An empty pointer when i is out of range.
    ObjPtr GetObj(unsigned int i) const { return i < m_objs.size() ? m_objs[i] : ObjPtr(); }
    // i must be below GetNum().
    ObjPtr operator[](unsigned int i) const { return m_objs[i]; }

    unsigned int GetNum() const { return static_cast<unsigned int>(m_objs.size()); }
    bool empty() const { return m_objs.empty(); }

    bool DelObj(unsigned int i) {
        if (i >= m_objs.size()) return false;
        m_objs.erase(m_objs.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    bool DelObj(ObjPtr p) {
        typename std::vector<ObjPtr>::iterator it = FindByAddress(p.get());
        if (it == m_objs.end()) return false;
        m_objs.erase(it);
        return true;
    }
    bool FindObj(ObjPtr p) const {
        return std::any_of(m_objs.begin(), m_objs.end(), [&](const ObjPtr& q) { return q.get() == p.get(); });
    }

    void RemoveAll() { m_objs.clear(); }

protected:
    typename std::vector<ObjPtr>::iterator FindByAddress(const T* obj) {
        return std::find_if(m_objs.begin(), m_objs.end(), [obj](const ObjPtr& q) { return q.get() == obj; });
    }

    std::vector<ObjPtr> m_objs;
};

template <class T>
class CManagerWithObj {
public:
    CManagerWithObj() = default;
    CManagerWithObj(const CManagerWithObj&) = default;
    CManagerWithObj& operator=(const CManagerWithObj&) = default;
    virtual ~CManagerWithObj() { RemoveAll(); }

    void AddObj(const T& v) { m_objs.push_back(v); }

    bool DelObj(const T& v) {
        typename std::vector<T>::iterator it = std::find(m_objs.begin(), m_objs.end(), v);
        if (it == m_objs.end()) return false;
        m_objs.erase(it);
        return true;
    }
    bool DelObj(unsigned int i) {
        if (i >= m_objs.size()) return false;
        m_objs.erase(m_objs.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    bool FindObj(const T& v) const { return std::find(m_objs.begin(), m_objs.end(), v) != m_objs.end(); }

    // i must be below GetNum().
    T& GetObj(unsigned int i) { return m_objs[i]; }
    const T& GetObj(unsigned int i) const { return m_objs[i]; }
    T& operator[](unsigned int i) { return m_objs[i]; }
    const T& operator[](unsigned int i) const { return m_objs[i]; }

    bool UpdateObj(unsigned int i, const T& v) {
        if (i >= m_objs.size()) return false;
        m_objs[i] = v;
        return true;
    }

    unsigned int GetNum() const { return static_cast<unsigned int>(m_objs.size()); }
    bool IsEmpty() const { return m_objs.empty(); }
    void RemoveAll() { m_objs.clear(); }

protected:
    std::vector<T> m_objs;
};

template <class T>
class CManagerWithoutCreate {
public:
    CManagerWithoutCreate() = default;
    CManagerWithoutCreate(const CManagerWithoutCreate&) = default;
    CManagerWithoutCreate& operator=(const CManagerWithoutCreate&) = default;
    // The elements belong to someone else: only the list goes.
    virtual ~CManagerWithoutCreate() = default;

    void AddObj(T* p) { m_objs.push_back(p); }

    bool DelObj(T* p) {
        typename std::vector<T*>::iterator it = std::find(m_objs.begin(), m_objs.end(), p);
        if (it == m_objs.end()) return false;
        m_objs.erase(it);
        return true;
    }
    bool DelObj(unsigned int i) {
        if (i >= m_objs.size()) return false;
        m_objs.erase(m_objs.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    bool FindObj(const T* p) const { return std::find(m_objs.begin(), m_objs.end(), p) != m_objs.end(); }

    // NULL when i is out of range.
    T* GetObj(unsigned int i) const { return i < m_objs.size() ? m_objs[i] : nullptr; }
    T* operator[](unsigned int i) const { return m_objs[i]; }

    unsigned int GetNum() const { return static_cast<unsigned int>(m_objs.size()); }
    bool IsEmpty() const { return m_objs.empty(); }
    void RemoveAll() { m_objs.clear(); }

protected:
    std::vector<T*> m_objs;
};
