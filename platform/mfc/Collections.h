// Array collections of the class library over std::vector. An index outside the array throws
// std::out_of_range (GetAt, SetAt, ElementAt, operator[], RemoveAt); InsertAt past the end
// grows the array first, as SetSize would. New elements are value-initialised (0, NULL, "").
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "mfc/Object.h"
#include "mfc/String.h"

typedef intptr_t INT_PTR;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_data.empty() ? TRUE : FALSE; }
    // growBy is accepted for compatibility; storage grows as std::vector does.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
        if (newSize < 0) throw std::out_of_range("CArray::SetSize: negative size");
        m_data.resize(static_cast<std::size_t>(newSize));
    }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR i) const { return m_data.at(Index(i)); }
    TYPE& GetAt(INT_PTR i) { return m_data.at(Index(i)); }
    void SetAt(INT_PTR i, ARG_TYPE value) { m_data.at(Index(i)) = value; }
    TYPE& ElementAt(INT_PTR i) { return m_data.at(Index(i)); }
    const TYPE& ElementAt(INT_PTR i) const { return m_data.at(Index(i)); }
    const TYPE& operator[](INT_PTR i) const { return GetAt(i); }
    TYPE& operator[](INT_PTR i) { return ElementAt(i); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    // Index of the new element.
    INT_PTR Add(ARG_TYPE value) {
        m_data.push_back(value);
        return GetSize() - 1;
    }
    // Appends the elements of src (which may be this array); answers the index of the first.
    INT_PTR Append(const CArray& src) {
        INT_PTR first = GetSize();
        std::vector<TYPE> copy(src.m_data);
        m_data.insert(m_data.end(), copy.begin(), copy.end());
        return first;
    }
    void Copy(const CArray& src) {
        if (this != &src) m_data = src.m_data;
    }
    void InsertAt(INT_PTR i, ARG_TYPE value, INT_PTR count = 1) {
        if (i < 0 || count < 0) throw std::out_of_range("CArray::InsertAt: negative index or count");
        TYPE copy = value;  // value may be an element of this array
        if (i > GetSize()) SetSize(i);
        m_data.insert(m_data.begin() + i, static_cast<std::size_t>(count), copy);
    }
    void InsertAt(INT_PTR start, const CArray* src) {
        if (start < 0) throw std::out_of_range("CArray::InsertAt: negative index");
        if (!src) return;
        std::vector<TYPE> copy(src->m_data);
        if (start > GetSize()) SetSize(start);
        m_data.insert(m_data.begin() + start, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR i, INT_PTR count = 1) {
        if (i < 0 || count < 0 || i + count > GetSize()) throw std::out_of_range("CArray::RemoveAt: bad range");
        m_data.erase(m_data.begin() + i, m_data.begin() + i + count);
    }

protected:
    std::size_t Index(INT_PTR i) const {
        if (i < 0) throw std::out_of_range("CArray: negative index");
        return static_cast<std::size_t>(i);
    }

    std::vector<TYPE> m_data;
};

class CStringArray : public CArray<CString, const CString&> {
    DECLARE_DYNAMIC(CStringArray)
};

class CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
};

class CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
};

class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_DYNAMIC(CDWordArray)
};

// Typed view of a pointer array: elements are stored as void* in BASE_CLASS.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR i) const { return static_cast<TYPE>(BASE_CLASS::GetAt(i)); }
    TYPE& ElementAt(INT_PTR i) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(i)); }
    void SetAt(INT_PTR i, TYPE p) { BASE_CLASS::SetAt(i, p); }
    INT_PTR Add(TYPE p) { return BASE_CLASS::Add(p); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR i, TYPE p, INT_PTR count = 1) { BASE_CLASS::InsertAt(i, p, count); }
    void InsertAt(INT_PTR start, const CTypedPtrArray* src) { BASE_CLASS::InsertAt(start, src); }
    TYPE operator[](INT_PTR i) const { return GetAt(i); }
    TYPE& operator[](INT_PTR i) { return ElementAt(i); }
};
