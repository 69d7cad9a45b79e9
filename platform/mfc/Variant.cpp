#include "mfc/Variant.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

#include "win32/Crt.h"

namespace {

BSTR AllocText(const char* s) {
    if (!s) s = "";
    std::size_t n = std::strlen(s);
    BSTR b = new char[n + 1];
    std::memcpy(b, s, n + 1);
    return b;
}

bool IsSupported(VARTYPE vt) {
    switch (vt) {
        case VT_EMPTY:
        case VT_I2:
        case VT_I4:
        case VT_R4:
        case VT_R8:
        case VT_BSTR:
        case VT_BOOL:
        case VT_UI1:
        case VT_UI4:
            return true;
        default:
            return false;
    }
}

// A bitwise copy of src with its own copy of the text.
void CopyInto(VARIANT& dest, const VARIANT& src) {
    dest.vt = src.vt;
    dest.dblVal = src.dblVal;
    if (src.vt == VT_BSTR) dest.bstrVal = AllocText(src.bstrVal);
}

void ClearValue(VARIANT& v) {
    if (v.vt == VT_BSTR) delete[] v.bstrVal;
    v.vt = VT_EMPTY;
    v.dblVal = 0;
}

template <class T>
std::string IntegerText(T value) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

// The shortest "%.Ng" text (N from minDigits up to maxDigits) that reads back to the same value.
template <class T>
std::string RealText(T value, int minDigits, int maxDigits) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buf[64];
    std::string text;
    for (int digits = minDigits; digits <= maxDigits; ++digits) {
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
        text.assign(buf, r.ptr);
        if (static_cast<T>(crt::Atof(text.c_str())) == value) break;
    }
    return text;
}

// The text of a value of a supported type.
std::string TextOf(const VARIANT& v) {
    switch (v.vt) {
        case VT_EMPTY:
            return std::string();
        case VT_I2:
            return IntegerText(v.iVal);
        case VT_I4:
            return IntegerText(v.lVal);
        case VT_UI1:
            return IntegerText(static_cast<unsigned>(v.bVal));
        case VT_UI4:
            return IntegerText(v.ulVal);
        case VT_R4:
            return RealText(v.fltVal, 6, 9);
        case VT_R8:
            return RealText(v.dblVal, 15, 17);
        case VT_BOOL:
            return v.boolVal ? "-1" : "0";
        case VT_BSTR:
            return v.bstrVal ? v.bstrVal : "";
        default:
            return std::string();
    }
}

const char* SkipBlanks(const char* p) {
    while (*p && crt::IsSpace(*p)) ++p;
    return p;
}

// A text that is one number and nothing else (blanks around it allowed), read by crt::Atof's rule.
bool ParseWholeNumber(const char* text, double& out) {
    const char* p = SkipBlanks(text ? text : "");
    std::size_t used = 0;
    double d = crt::Atof(p, &used);
    if (used == 0) return false;
    if (*SkipBlanks(p + used) != '\0') return false;
    out = d;
    return true;
}

bool EqualsNoCase(const char* a, std::size_t n, const char* word) {
    if (std::strlen(word) != n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

// "true" / "false" in any letter case, blanks around allowed.
bool ParseBoolWord(const char* text, bool& out) {
    const char* p = SkipBlanks(text ? text : "");
    std::size_t n = 0;
    while (p[n] && !crt::IsSpace(p[n])) ++n;
    if (*SkipBlanks(p + n) != '\0') return false;
    if (EqualsNoCase(p, n, "true")) return out = true, true;
    if (EqualsNoCase(p, n, "false")) return out = false, true;
    return false;
}

// The numeric value of src; texts must be wholly a number.
HRESULT NumberOf(const VARIANT& src, double& out) {
    switch (src.vt) {
        case VT_EMPTY:
            out = 0;
            return S_OK;
        case VT_I2:
            out = src.iVal;
            return S_OK;
        case VT_I4:
            out = src.lVal;
            return S_OK;
        case VT_UI1:
            out = src.bVal;
            return S_OK;
        case VT_UI4:
            out = src.ulVal;
            return S_OK;
        case VT_R4:
            out = src.fltVal;
            return S_OK;
        case VT_R8:
            out = src.dblVal;
            return S_OK;
        case VT_BOOL:
            out = src.boolVal ? -1 : 0;
            return S_OK;
        case VT_BSTR:
            if (!ParseWholeNumber(src.bstrVal, out)) return DISP_E_TYPEMISMATCH;
            return std::isfinite(out) ? S_OK : DISP_E_OVERFLOW;
        default:
            return DISP_E_BADVARTYPE;
    }
}

// Nearest integer, halves to even, within [lo, hi].
HRESULT ToInteger(double d, double lo, double hi, double& out) {
    if (std::isnan(d)) return DISP_E_OVERFLOW;
    double r = std::nearbyint(d);
    if (r < lo || r > hi) return DISP_E_OVERFLOW;
    out = r;
    return S_OK;
}

// Builds the value of src in type vt into out (out starts empty).
HRESULT Convert(const VARIANT& src, VARTYPE vt, VARIANT& out) {
    if (!IsSupported(vt) || !IsSupported(src.vt)) return DISP_E_BADVARTYPE;
    if (src.vt == vt) {
        CopyInto(out, src);
        return S_OK;
    }
    if (vt == VT_EMPTY) return S_OK;
    if (vt == VT_BSTR) {
        out.bstrVal = AllocText(TextOf(src).c_str());
        out.vt = VT_BSTR;
        return S_OK;
    }
    if (vt == VT_BOOL && src.vt == VT_BSTR) {
        bool b = false;
        if (ParseBoolWord(src.bstrVal, b)) {
            out.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
            out.vt = VT_BOOL;
            return S_OK;
        }
    }
    double d = 0;
    HRESULT hr = NumberOf(src, d);
    if (FAILED(hr)) return hr;
    double n = 0;
    switch (vt) {
        case VT_R8:
            out.dblVal = d;
            break;
        case VT_R4:
            if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
            out.fltVal = static_cast<float>(d);
            break;
        case VT_BOOL:
            out.boolVal = d != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        case VT_I2:
            if (FAILED(hr = ToInteger(d, -32768.0, 32767.0, n))) return hr;
            out.iVal = static_cast<int16_t>(n);
            break;
        case VT_I4:
            if (FAILED(hr = ToInteger(d, -2147483648.0, 2147483647.0, n))) return hr;
            out.lVal = static_cast<LONG>(n);
            break;
        case VT_UI1:
            if (FAILED(hr = ToInteger(d, 0.0, 255.0, n))) return hr;
            out.bVal = static_cast<BYTE>(n);
            break;
        case VT_UI4:
            if (FAILED(hr = ToInteger(d, 0.0, 4294967295.0, n))) return hr;
            out.ulVal = static_cast<ULONG>(n);
            break;
        default:
            return DISP_E_BADVARTYPE;
    }
    out.vt = vt;
    return S_OK;
}

// The value of v in type vt, or a thrown _com_error.
_variant_t Converted(const _variant_t& v, VARTYPE vt) {
    _variant_t result;
    HRESULT hr = Convert(v, vt, result);
    if (FAILED(hr)) throw _com_error(hr);
    return result;
}

}  // namespace

const char* _com_error::ErrorMessage() const {
    switch (hr_) {
        case DISP_E_TYPEMISMATCH:
            return "Type mismatch.";
        case DISP_E_OVERFLOW:
            return "Out of present range.";
        case DISP_E_BADVARTYPE:
            return "Bad variable type.";
        case E_INVALIDARG:
            return "The parameter is incorrect.";
        default:
            return "Unknown error.";
    }
}

_variant_t::_variant_t(const char* text) {
    vt = VT_BSTR;
    bstrVal = AllocText(text);
}
_variant_t::_variant_t(const CString& text) : _variant_t(text.GetString()) {}
_variant_t::_variant_t(const _bstr_t& text) : _variant_t(static_cast<const char*>(text)) {}
_variant_t::_variant_t(double value) {
    vt = VT_R8;
    dblVal = value;
}
_variant_t::_variant_t(float value) {
    dblVal = 0;
    vt = VT_R4;
    fltVal = value;
}
_variant_t::_variant_t(int value) {
    dblVal = 0;
    vt = VT_I4;
    lVal = value;
}
_variant_t::_variant_t(long value) : _variant_t(static_cast<int>(static_cast<uint32_t>(value))) {}
_variant_t::_variant_t(unsigned int value) {
    dblVal = 0;
    vt = VT_UI4;
    ulVal = value;
}
_variant_t::_variant_t(unsigned long value) : _variant_t(static_cast<unsigned int>(value)) {}
_variant_t::_variant_t(short value) {
    dblVal = 0;
    vt = VT_I2;
    iVal = value;
}
_variant_t::_variant_t(BYTE value) {
    dblVal = 0;
    vt = VT_UI1;
    bVal = value;
}
_variant_t::_variant_t(bool value) {
    dblVal = 0;
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

_variant_t::_variant_t(const _variant_t& other) : VARIANT() { CopyInto(*this, other); }

_variant_t::_variant_t(_variant_t&& other) noexcept : VARIANT(other) {
    other.vt = VT_EMPTY;
    other.dblVal = 0;
}

_variant_t& _variant_t::operator=(const _variant_t& other) {
    if (this != &other) {
        _variant_t copy(other);
        *this = std::move(copy);
    }
    return *this;
}

_variant_t& _variant_t::operator=(_variant_t&& other) noexcept {
    if (this != &other) {
        ClearValue(*this);
        static_cast<VARIANT&>(*this) = other;
        other.vt = VT_EMPTY;
        other.dblVal = 0;
    }
    return *this;
}

void _variant_t::Clear() { ClearValue(*this); }

void _variant_t::ChangeType(VARTYPE type, const _variant_t* src) { *this = Converted(src ? *src : *this, type); }

bool _variant_t::operator==(const _variant_t& o) const {
    if (vt != o.vt) return false;
    switch (vt) {
        case VT_EMPTY:
            return true;
        case VT_I2:
            return iVal == o.iVal;
        case VT_I4:
            return lVal == o.lVal;
        case VT_R4:
            return fltVal == o.fltVal;
        case VT_R8:
            return dblVal == o.dblVal;
        case VT_BSTR:
            return std::strcmp(bstrVal, o.bstrVal) == 0;
        case VT_BOOL:
            return (boolVal != 0) == (o.boolVal != 0);
        case VT_UI1:
            return bVal == o.bVal;
        case VT_UI4:
            return ulVal == o.ulVal;
        default:
            return false;
    }
}

_variant_t::operator double() const { return Converted(*this, VT_R8).dblVal; }
_variant_t::operator float() const { return Converted(*this, VT_R4).fltVal; }
_variant_t::operator int() const { return Converted(*this, VT_I4).lVal; }
_variant_t::operator long() const { return Converted(*this, VT_I4).lVal; }
_variant_t::operator unsigned int() const { return Converted(*this, VT_UI4).ulVal; }
_variant_t::operator unsigned long() const { return Converted(*this, VT_UI4).ulVal; }
_variant_t::operator short() const { return Converted(*this, VT_I2).iVal; }
_variant_t::operator BYTE() const { return Converted(*this, VT_UI1).bVal; }
_variant_t::operator bool() const { return Converted(*this, VT_BOOL).boolVal != 0; }
_variant_t::operator _bstr_t() const { return _bstr_t(TextOf(*this).c_str()); }

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, uint16_t flags, VARTYPE vt) {
    if (!dest || !src) return E_INVALIDARG;
    VARIANT result{};
    result.vt = VT_EMPTY;
    HRESULT hr = Convert(*src, vt, result);
    if (FAILED(hr)) return hr;
    ClearValue(*dest);
    *dest = result;
    return S_OK;
}

CString VariantToText(const _variant_t& value) { return CString(TextOf(value)); }
