// CCommonUtility: the utility library's checks on texts typed by the user.
#pragma once

#include <string>

class CCommonUtility {
public:
    // True exactly for a text that boost::lexical_cast<double> turns into a finite number: the
    // whole text one number, no blanks around it; "nan", "inf" and numbers beyond a double are no
    // numbers. A text accepted here converts with lexical_cast without throwing.
    static bool IsDigit(const std::string& text);
};
