// CString: a UTF-8 byte string with the class library's interface. Positions and
// lengths are bytes, as in the library's multibyte build; code that counts characters
// uses text::CharCount / text::ByteOffsetOfChar. Format runs in the "C" locale.
#pragma once

#include <cstdarg>
#include <string>

#include "win32/Win32.h"

class CString {
public:
    CString() = default;
    CString(const char* s) : s_(s ? s : "") {}
    CString(const std::string& s) : s_(s) {}
    CString(std::string&& s) : s_(std::move(s)) {}
    CString(const char* s, int length) : s_(s ? std::string(s, static_cast<std::size_t>(length)) : std::string()) {}
    CString(char c, int repeat = 1) : s_(static_cast<std::size_t>(repeat > 0 ? repeat : 0), c) {}

    operator const char*() const { return s_.c_str(); }
    const char* GetString() const { return s_.c_str(); }
    const std::string& str() const { return s_; }
    std::string& str() { return s_; }

    int GetLength() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }
    void Empty() { s_.clear(); }
    char GetAt(int i) const { return s_.at(static_cast<std::size_t>(i)); }
    void SetAt(int i, char c) { s_.at(static_cast<std::size_t>(i)) = c; }

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    int Find(char c, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char c) const;
    int Replace(const char* from, const char* to);
    int Replace(char from, char to);
    int Remove(char c);
    int Insert(int index, const char* sub);
    int Delete(int index, int count = 1);
    CString& MakeUpper();  // ASCII letters only
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& TrimLeft(char c);
    CString& TrimRight(char c);

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;  // ASCII case folding

    void Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* fmt, va_list args);
    void AppendFormat(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

    CString& operator=(const char* s) {
        s_ = s ? s : "";
        return *this;
    }
    CString& operator+=(const CString& o) {
        s_ += o.s_;
        return *this;
    }
    CString& operator+=(const char* o) {
        s_ += (o ? o : "");
        return *this;
    }
    CString& operator+=(char c) {
        s_ += c;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.s_ + b.s_); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.s_ + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.s_); }
    friend CString operator+(const CString& a, char b) { return CString(a.s_ + b); }
    friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
    friend bool operator==(const CString& a, const char* b) { return a.s_ == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.s_ < b.s_; }

private:
    std::string s_;
};

// Formats into a new string ("C" locale).
CString FormatString(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
