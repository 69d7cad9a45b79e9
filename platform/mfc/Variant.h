// _variant_t, _bstr_t and _com_error: the automation value every property item holds.
// Texts are UTF-8 and owned by the variant. Conversions between types follow one rule set
// (platform/README.md, "Variants"): numbers become C-locale text that reads back to the same
// value; text becomes a number only when the whole text is one number.
#pragma once

#include <cstdint>

#include "mfc/String.h"
#include "win32/Win32.h"

typedef int32_t HRESULT;
typedef int16_t VARIANT_BOOL;
typedef char* BSTR;  // UTF-8, allocated and freed by the variant that holds it

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DISP_E_BADVARTYPE = static_cast<HRESULT>(0x80020008u);
constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000Au);
#ifndef SUCCEEDED
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
#endif

enum : VARTYPE {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_BOOL = 11,
    VT_UI1 = 17,
    VT_UI4 = 19,
};

// The raw value record. Use _variant_t: it owns the text of a VT_BSTR value.
struct VARIANT {
    VARTYPE vt;
    union {
        int16_t iVal;          // VT_I2
        LONG lVal;             // VT_I4
        float fltVal;          // VT_R4
        double dblVal;         // VT_R8
        BSTR bstrVal;          // VT_BSTR
        VARIANT_BOOL boolVal;  // VT_BOOL
        BYTE bVal;             // VT_UI1
        ULONG ulVal;           // VT_UI4
    };
};

// The error a failed conversion throws.
class _com_error {
public:
    explicit _com_error(HRESULT hr) : hr_(hr) {}
    HRESULT Error() const { return hr_; }
    const char* ErrorMessage() const;

private:
    HRESULT hr_;
};

class _variant_t;

// A text value. A variant's text: (_bstr_t)variant, then (const char*).
class _bstr_t {
public:
    _bstr_t() = default;
    _bstr_t(const char* s) : s_(s ? s : "") {}
    _bstr_t(const CString& s) : s_(s.str()) {}

    operator const char*() const { return s_.c_str(); }
    unsigned int length() const { return static_cast<unsigned int>(s_.size()); }
    bool operator==(const _bstr_t& o) const { return s_ == o.s_; }
    bool operator!=(const _bstr_t& o) const { return s_ != o.s_; }

private:
    std::string s_;
};

class _variant_t : public VARIANT {
public:
    _variant_t() { vt = VT_EMPTY, dblVal = 0; }
    _variant_t(const char* text);     // VT_BSTR (NULL gives "")
    _variant_t(const CString& text);  // VT_BSTR
    _variant_t(const _bstr_t& text);  // VT_BSTR
    _variant_t(double value);         // VT_R8
    _variant_t(float value);          // VT_R4
    _variant_t(int value);            // VT_I4
    _variant_t(long value);           // VT_I4: the low 32 bits
    _variant_t(unsigned int value);   // VT_UI4
    _variant_t(unsigned long value);  // VT_UI4: the low 32 bits
    _variant_t(short value);          // VT_I2
    _variant_t(BYTE value);           // VT_UI1
    _variant_t(bool value);           // VT_BOOL, VARIANT_TRUE or VARIANT_FALSE
    _variant_t(const _variant_t& other);
    _variant_t(_variant_t&& other) noexcept;
    _variant_t& operator=(const _variant_t& other);
    _variant_t& operator=(_variant_t&& other) noexcept;
    ~_variant_t() { Clear(); }

    // Back to VT_EMPTY.
    void Clear();
    // Converts this value in place to type vt (source: src, or this value when NULL).
    // Throws _com_error when the value has no meaning in that type; the value is then unchanged.
    void ChangeType(VARTYPE vt, const _variant_t* src = nullptr);

    // Equal in type and in value (texts byte for byte).
    bool operator==(const _variant_t& o) const;
    bool operator!=(const _variant_t& o) const { return !(*this == o); }

    // Conversions by ChangeType's rules; each numeric one throws _com_error on failure. The text
    // conversion never fails.
    operator double() const;
    operator float() const;
    operator int() const;
    operator long() const;
    operator unsigned int() const;
    operator unsigned long() const;
    operator short() const;
    operator BYTE() const;
    operator bool() const;
    operator _bstr_t() const;
};

// Converts src to type vt into dest (dest may be src). Answers S_OK, or DISP_E_TYPEMISMATCH /
// DISP_E_OVERFLOW / DISP_E_BADVARTYPE leaving dest unchanged; flags are ignored.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, uint16_t flags, VARTYPE vt);

// The value as text ("the item's value as a string"): "" for VT_EMPTY, never throws.
CString VariantToText(const _variant_t& value);
