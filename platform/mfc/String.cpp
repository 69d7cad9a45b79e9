#include "mfc/String.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "win32/Crt.h"

CString CString::Left(int count) const {
    if (count <= 0) return CString();
    return CString(s_.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    const std::size_t n = std::min(static_cast<std::size_t>(count), s_.size());
    return CString(s_.substr(s_.size() - n));
}

CString CString::Mid(int first) const {
    if (first < 0) first = 0;
    if (static_cast<std::size_t>(first) >= s_.size()) return CString();
    return CString(s_.substr(static_cast<std::size_t>(first)));
}

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count <= 0 || static_cast<std::size_t>(first) >= s_.size()) return CString();
    return CString(s_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

int CString::Find(char c, int start) const {
    if (start < 0 || static_cast<std::size_t>(start) > s_.size()) return -1;
    const std::size_t p = s_.find(c, static_cast<std::size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Find(const char* sub, int start) const {
    if (!sub || start < 0 || static_cast<std::size_t>(start) > s_.size()) return -1;
    const std::size_t p = s_.find(sub, static_cast<std::size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char c) const {
    const std::size_t p = s_.rfind(c);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Replace(const char* from, const char* to) {
    if (!from || !*from) return 0;
    const std::string f(from), t(to ? to : "");
    int count = 0;
    std::string out;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = s_.find(f, pos)) != std::string::npos; pos = hit + f.size(), ++count)
        out.append(s_, pos, hit - pos).append(t);
    if (count == 0) return 0;
    out.append(s_, pos, std::string::npos);
    s_.swap(out);
    return count;
}

int CString::Replace(char from, char to) {
    int count = 0;
    for (char& c : s_)
        if (c == from) c = to, ++count;
    return count;
}

int CString::Remove(char c) {
    const std::size_t before = s_.size();
    s_.erase(std::remove(s_.begin(), s_.end(), c), s_.end());
    return static_cast<int>(before - s_.size());
}

int CString::Insert(int index, const char* sub) {
    if (index < 0) index = 0;
    const std::size_t at = std::min(static_cast<std::size_t>(index), s_.size());
    s_.insert(at, sub ? sub : "");
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0) index = 0;
    if (count > 0 && static_cast<std::size_t>(index) < s_.size())
        s_.erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
    return GetLength();
}

CString& CString::MakeUpper() {
    for (char& c : s_)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower() {
    for (char& c : s_)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return *this;
}

namespace {
bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
}  // namespace

CString& CString::TrimLeft() {
    std::size_t i = 0;
    while (i < s_.size() && Blank(s_[i])) ++i;
    s_.erase(0, i);
    return *this;
}

CString& CString::TrimRight() {
    while (!s_.empty() && Blank(s_.back())) s_.pop_back();
    return *this;
}

CString& CString::Trim() { return TrimLeft().TrimRight(); }

CString& CString::TrimLeft(char c) {
    std::size_t i = 0;
    while (i < s_.size() && s_[i] == c) ++i;
    s_.erase(0, i);
    return *this;
}

CString& CString::TrimRight(char c) {
    while (!s_.empty() && s_.back() == c) s_.pop_back();
    return *this;
}

int CString::Compare(const char* other) const {
    const int r = std::strcmp(s_.c_str(), other ? other : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* other) const {
    CString a(*this), b(other);
    return a.MakeLower().Compare(b.MakeLower());
}

void CString::FormatV(const char* fmt, va_list args) {
    crt::CLocaleScope cLocale;
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, fmt, copy);
    va_end(copy);
    if (n < 0) {
        s_.clear();
        return;
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        s_.assign(small, static_cast<std::size_t>(n));
        return;
    }
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), fmt, args);
    s_.assign(big.data(), static_cast<std::size_t>(n));
}

void CString::Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    FormatV(fmt, args);
    va_end(args);
}

void CString::AppendFormat(const char* fmt, ...) {
    CString tail;
    va_list args;
    va_start(args, fmt);
    tail.FormatV(fmt, args);
    va_end(args);
    s_ += tail.s_;
}

CString FormatString(const char* fmt, ...) {
    CString out;
    va_list args;
    va_start(args, fmt);
    out.FormatV(fmt, args);
    va_end(args);
    return out;
}
