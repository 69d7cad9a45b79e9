// CParseString: splits a text into words at any of the given separator characters; runs of
// separators count as one and leading or trailing ones give no empty word.
#pragma once

#include <vector>

#include "mfc/String.h"

class CParseString {
public:
    // Splits text (separators: blank and tab when none are given); returns the number of words.
    int Parse(const CString& text, const CString& separators = " \t");
    int GetCount() const { return static_cast<int>(m_words.size()); }
    // Word i; "" for an index outside the words.
    CString operator[](int i) const;

private:
    std::vector<CString> m_words;
};
