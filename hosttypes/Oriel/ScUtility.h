// Utilities of the section library used by the section pages.
#pragma once

#include "mfc/String.h"

class ScUtility {
public:
    // ---- section-library operations ----
    // The number the text holds, or FLT_MAX when the text is no number. The flag is the
    // library's own and changes nothing here.
    static double JudgeFigure(CString text, bool flag);
};
