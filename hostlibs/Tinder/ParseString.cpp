#include "hosttypes/Tinder/ParseString.h"

#include <cstring>
#include <string>

int CParseString::Parse(const CString& text, const CString& separators) {
    m_words.clear();
    const std::string s(text);
    const std::string seps(separators);
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && seps.find(s[i]) != std::string::npos) ++i;
        const size_t start = i;
        while (i < s.size() && seps.find(s[i]) == std::string::npos) ++i;
        if (i > start) m_words.emplace_back(s.substr(start, i - start).c_str());
    }
    return GetCount();
}

CString CParseString::operator[](int i) const {
    return i >= 0 && i < GetCount() ? m_words[static_cast<size_t>(i)] : CString();
}
