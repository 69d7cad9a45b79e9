// CEmfDC: the graph tool's enhanced-metafile context. Metafiles cannot be recorded here, so
// the object only holds what it was given: the file, its description and the bounds.
#pragma once

#include "mfc/String.h"
#include "mfc/Types.h"

class CEmfDC {
public:
    CEmfDC() = default;
    CEmfDC(const CEmfDC&) = default;
    CEmfDC& operator=(const CEmfDC&) = default;
    virtual ~CEmfDC() = default;

    CString m_strFileName;
    CString m_strDescription;
    CRect m_rectBounds;  // hundredths of a millimetre
    HDC m_hReferenceDC = nullptr;
};
